// SPDX-License-Identifier: MIT
#pragma once
// The drawings of a solved task beside its solution in the problems window:
// the figure of each solution as the core draws it (the same SVG as the
// page's), „Развивка“, which opens the first solution's net in a window of
// its own (or says why the solid has none), and „Печат на развивката“, which
// prints it through the print dialog on A4 at its scale.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "drawing.h"
#include "task/solver.h"

class QGridLayout;
class QLabel;
class QPrinter;
class QPushButton;
class QSvgRenderer;
class QVBoxLayout;

namespace geometry::ui {

// An SVG drawn as large as the widget allows, in its own proportions.
class SvgView : public QWidget {
    Q_OBJECT
public:
    explicit SvgView(QWidget* parent = nullptr);
    void setSvg(const std::string& svg);
    // Drawn at this share of its size at the least (0: any size).
    void setSmallestScale(double scale);
    bool isEmpty() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
    double smallestScale_ = 0;
};

// The size of a figure's labels at full size, in its own pixels.
inline constexpr double labelPixels = 15;

// Prints the net on one A4 sheet, upright or sideways as it asks, 10 mm
// margins, one millimetre of the SVG one millimetre on paper; false where
// there is no net or the printer cannot start.
bool printNet(QPrinter& printer, const solver::drawing::NetSvg& net);

class SolidDrawings : public QWidget {
    Q_OBJECT
public:
    explicit SolidDrawings(QWidget* parent = nullptr);

    // The outcome's drawings; none unless it is solved.
    void showOutcome(const solver::Outcome& outcome, const solver::Settings& settings);

    const solver::drawing::NetSvg& net() const { return net_; }
    QPushButton* netButton() const { return netButton_; }
    QPushButton* printButton() const { return printButton_; }
    QWidget* netWindow() const { return netWindow_; }

public slots:
    void showNet();
    void chooseAndPrint();

private:
    void showNetWindowContents();

    QGridLayout* figures_ = nullptr;
    QPushButton* netButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* noNet_ = nullptr;
    QPointer<QWidget> netWindow_;
    SvgView* netView_ = nullptr;
    QLabel* netScale_ = nullptr;
    QString solidName_;
    solver::drawing::NetSvg net_;
};

}  // namespace geometry::ui
