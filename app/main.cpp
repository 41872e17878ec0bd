#include "frmDrawlet.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    drawlet::frmDrawlet window;
    window.show();
    return QApplication::exec();
}
