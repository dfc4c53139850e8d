#pragma once

#include <QWidget>

namespace quarvel::ui {

// The CS 1.6 Models tab: the two model packs, each opening its wizard from its picture.
class ModelsPage : public QWidget {
    Q_OBJECT
public:
    explicit ModelsPage(QWidget* parent);

signals:
    void playerModelsChosen();
    void weaponModelsChosen();

private:
    // Who made the two packs.
    QWidget* buildCredits();
};

} // namespace quarvel::ui
