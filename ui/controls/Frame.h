#pragma once
// A frame: a container in its background colour, with an optional caption set into an etched
// border. Disabling it disables what it holds.

#include <QWidget>

#include "Control.h"

namespace kivo::ui {

class Frame : public QWidget, public Control {
public:
    Frame(QWidget* parent, const layout::FrameLook& look);

    bool captioned() const { return !caption_.isEmpty(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    bool border_;
};

}  // namespace kivo::ui
