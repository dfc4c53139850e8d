#include "ui/about/about_window.h"

#include "core/product.h"
#include "ui/style/pictures.h"
#include "ui/style/style.h"
#include "ui/text.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/window_geometry.h"
#include "ui/widgets/window_memory.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quarvel::ui {

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    QLabel* result = plainLabel(text, parent);
    result->setObjectName(name);
    return result;
}

QFrame* box(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

AboutWindow::AboutWindow(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("QVLAbout"));
    setWindowTitle(tr("[Quarvel Works] About"));
    setFont(roleFont(FontRole::Text));
    shadeBackground();
    setAutoFillBackground(true);

    auto* close = new QPushButton(tr("CLOSE THIS WINDOW"), this);
    close->setObjectName(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading =
        label(QStringLiteral("Label4"), tr("Special thanks to [in no particular order]:"), this);
    heading->setFont(roleFont(FontRole::Bold));
    auto* thanks =
        label(QStringLiteral("Label10"),
              tr("Everyone who tested the beta versions and sent in frame rates from their "
                 "own machines, the regulars of the Quarvel forums for their ideas and bug "
                 "reports, the Counter-Strike and Day of Defeat community sites that spread "
                 "the word, the makers of the Hi FPS model packs, and every clan that put "
                 "these tweaks through their paces on a busy server."),
              this);
    thanks->setWordWrap(true);
    auto* disclaimer =
        label(QStringLiteral("Label5"),
              tr("Quarvel changes only these files in the game directory you choose: it "
                 "writes quarvel.cfg, adds the line that runs it to autoexec.cfg, and to "
                 "userconfig.cfg when you choose to. Remove deletes quarvel.cfg, takes those "
                 "lines out again and puts back in config.cfg the settings the game saved from "
                 "quarvel.cfg, as they were before the install, keeping those you changed "
                 "since. It comes without any warranty; you use it at your own risk. "
                 "Half-Life, Counter-Strike, Day of Defeat and Team Fortress Classic are "
                 "trademarks of their owners."),
              this);
    disclaimer->setWordWrap(true);
    disclaimer->setFont(roleFont(FontRole::Small));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(buildTitle());
    layout->addWidget(close);
    layout->addWidget(buildLinks());
    layout->addWidget(buildCredits());
    layout->addWidget(heading);
    layout->addWidget(thanks);
    layout->addSpacing(4);
    layout->addWidget(disclaimer);
    layout->addStretch();

    fitWrappedText(this, 440);
    fitToScreen(this, minimumSize());
    rememberPlacement(this);
}

void AboutWindow::shadeBackground() {
    // A shade of grey a little apart from the other windows, in the theme's own lightness, so
    // that the theme's text colour stays readable on it.
    QPalette shaded = QApplication::palette(this);
    const QColor window = shaded.color(QPalette::Window);
    shaded.setColor(QPalette::Window,
                    window.lightness() < 128 ? window.lighter(125) : window.darker(107));
    setPalette(shaded);
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) {
        shadeBackground();
    }
    QDialog::changeEvent(event);
}

QWidget* AboutWindow::buildTitle() {
    QFrame* frame = box(this);
    auto* name = label(QStringLiteral("Label1"), tr("QUARVEL WORKS"), frame);
    name->setFont(roleFont(FontRole::Name));
    setTextColour(name, ColourRole::Heading);
    auto* version = label(QStringLiteral("Label2"), qs(product::version), frame);
    version->setFont(roleFont(FontRole::Version));
    setTextColour(version, ColourRole::Heading);

    auto* layout = new QHBoxLayout(frame);
    layout->addStretch();
    layout->addWidget(name, 0, Qt::AlignBaseline);
    layout->addSpacing(6);
    layout->addWidget(version, 0, Qt::AlignBaseline);
    layout->addStretch();
    return frame;
}

QWidget* AboutWindow::buildLinks() {
    QFrame* frame = box(this);
    auto* donate = new ClickableLabel(frame);
    donate->setObjectName(QStringLiteral("Image1"));
    donate->setPixmap(picture(QStringLiteral("donate"), QSize(92, 26)));
    donate->setToolTip(tr("Donate"));
    donate->setAccessibleName(tr("Donate"));
    connect(donate, &ClickableLabel::clicked, this,
            [this] { dialogs_.openUrl(QUrl(qs(product::donationPage))); });

    auto* site = new ClickableLabel(qs(product::webAddress), frame);
    site->setObjectName(QStringLiteral("Label6"));
    site->setFont(roleFont(FontRole::Address));
    connect(site, &ClickableLabel::clicked, this,
            [this] { dialogs_.openUrl(QUrl(qs(product::webAddress))); });

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(donate, 0, Qt::AlignHCenter);
    layout->addWidget(site, 0, Qt::AlignHCenter);
    return frame;
}

QWidget* AboutWindow::buildCredits() {
    auto* credits = new QWidget(this);
    auto* design = label(QStringLiteral("Label7"), tr("Design by:"), credits);
    auto* programming = label(QStringLiteral("Label3"), tr("Programming by:"), credits);
    auto* brace = label(QStringLiteral("Label8"), QStringLiteral("}"), credits);
    brace->setFont(roleFont(FontRole::Brace));
    auto* author = label(QStringLiteral("Label9"), qs(product::author), credits);
    author->setFont(roleFont(FontRole::Bold));

    auto* layout = new QGridLayout(credits);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(0);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(4, 1);
    layout->addWidget(design, 0, 1, Qt::AlignRight);
    layout->addWidget(programming, 1, 1, Qt::AlignRight);
    layout->addWidget(brace, 0, 2, 2, 1, Qt::AlignVCenter);
    layout->addWidget(author, 0, 3, 2, 1, Qt::AlignVCenter);
    return credits;
}

} // namespace quarvel::ui
