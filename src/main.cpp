// The calculator: one window, run until it closes.
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    geometry::ui::Form1 form1;
    form1.show();
    return app.exec();
}
