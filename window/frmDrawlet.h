#pragma once

#include <QWidget>

namespace drawlet {

// Placeholder until the window lands.
class frmDrawlet : public QWidget {
    Q_OBJECT
public:
    explicit frmDrawlet(QWidget* parent = nullptr) : QWidget(parent) {}
};

} // namespace drawlet
