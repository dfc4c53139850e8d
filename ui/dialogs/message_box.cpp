#include "ui/dialogs/message_box.h"

#include "ui/style/style.h"
#include "ui/widgets/window_geometry.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace quarvel::ui {

namespace {

void showIcon(QLabel* label, const QDialog& box, QStyle::StandardPixmap icon) {
    const QStyle* style = box.style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    label->setPixmap(style->standardIcon(icon, nullptr, &box).pixmap(size, size));
}

// The text's width: its longest line, within half the screen (but no narrower than a short
// sentence needs), and its height at that width.
QSize textSize(const QLabel& text, const QSize& screen) {
    const int longest = longestLineWidth(text.fontMetrics(), text.text());
    const int width =
        std::min({longest + 1, std::max(screen.width() / 2, 420), screen.width() * 9 / 10});
    return {width, text.heightForWidth(width)};
}

// The message's text, in a scroll area for a screen too low for it.
QLabel* scrolledText(const QString& text, QScrollArea* scroll) {
    QLabel* message = plainLabel(text, nullptr, true);
    message->setObjectName(QStringLiteral("lblMessage"));
    // An address or a path in a message can be copied.
    message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(message);
    return message;
}

// The buttons that answer the message, below its icon and text; an offer's action shows its
// outcome in the same box.
QDialogButtonBox* addAnswers(QDialog& box, QGridLayout& layout, MessageKind kind,
                             const MessageAction& action, QLabel* icon, QLabel* message) {
    const bool question = kind == MessageKind::Question;
    const bool offer = kind == MessageKind::Offer;
    auto* buttons = new QDialogButtonBox(question ? QDialogButtonBox::Yes | QDialogButtonBox::No
                                         : offer  ? QDialogButtonBox::Close
                                                  : QDialogButtonBox::Ok);
    QPushButton* mend =
        offer ? buttons->addButton(action.caption, QDialogButtonBox::ActionRole) : nullptr;
    if (mend) {
        mend->setObjectName(QStringLiteral("cmdAction"));
    }
    // The action's outcome in the same box; there is nothing more to offer.
    const auto act = [&box, &action, buttons, mend, icon, message] {
        const UserDialogs::Message outcome = action.act();
        message->setText(outcome.text);
        icon->clear();
        if (outcome.warning) {
            showIcon(icon, box, QStyle::SP_MessageBoxWarning);
        }
        mend->hide();
        buttons->button(QDialogButtonBox::Close)->setFocus();
    };
    QObject::connect(buttons, &QDialogButtonBox::clicked, &box,
                     [&box, buttons, mend, act](QAbstractButton* button) {
                         if (button == mend) {
                             act();
                         } else {
                             box.done(buttons->standardButton(button));
                         }
                     });
    layout.addWidget(buttons, 1, 0, 1, 2);
    // No is the answer Enter gives to a question, Close to an offer: the button with the focus is
    // the default one.
    QPushButton* chosen = buttons->button(question ? QDialogButtonBox::No
                                          : offer  ? QDialogButtonBox::Close
                                                   : QDialogButtonBox::Ok);
    chosen->setDefault(true);
    chosen->setFocus();
    return buttons;
}

// The box as large as its text, which scrolls when the screen is too low for it.
void fitText(QDialog& box, const QGridLayout& layout, QScrollArea& scroll, const QLabel& message,
             const QDialogButtonBox& buttons, const QWidget* parent) {
    const QSize screen = (parent ? parent->screen() : box.screen())->availableGeometry().size();
    const int besides = layout.contentsMargins().top() + layout.contentsMargins().bottom() +
                        layout.verticalSpacing() + buttons.sizeHint().height();
    const QSize wanted = textSize(message, screen);
    const int room = screen.height() * 85 / 100 - besides;
    const bool scrolls = wanted.height() > room;
    const int scrollBar = scrolls ? scroll.verticalScrollBar()->sizeHint().width() : 0;
    scroll.setMinimumSize(wanted.width() + scrollBar, std::min(wanted.height(), room));
    fitToScreen(&box, box.sizeHint());
}

} // namespace

QDialogButtonBox::StandardButton showMessage(QWidget* parent, MessageKind kind,
                                             const QString& title, const QString& text,
                                             const MessageAction& action) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("dlgMessage"));
    box.setWindowTitle(title);
    auto* layout = new QGridLayout(&box);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("lblIcon"));
    if (kind != MessageKind::Information) {
        showIcon(icon, box,
                 kind == MessageKind::Question ? QStyle::SP_MessageBoxQuestion
                                               : QStyle::SP_MessageBoxWarning);
    }
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    auto* scroll = new QScrollArea;
    QLabel* message = scrolledText(text, scroll);
    layout->addWidget(scroll, 0, 1);
    const QDialogButtonBox* buttons = addAnswers(box, *layout, kind, action, icon, message);
    fitText(box, *layout, *scroll, *message, *buttons, parent);

    const int answer = box.exec();
    return answer == QDialog::Rejected ? QDialogButtonBox::Cancel
                                       : static_cast<QDialogButtonBox::StandardButton>(answer);
}

} // namespace quarvel::ui
