// SPDX-License-Identifier: MIT
#include "solid_drawings.h"

#include <algorithm>

#include <QFontInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "qt_layout.h"
#include "task/task_sheet.h"

namespace geometry::ui {
namespace {

// The SVG's <title> („Чертеж: конус, r = 3 cm, h = 4 cm“), for a screen reader.
QString titleOf(const std::string& svg) {
    const std::size_t start = svg.find("<title>"), end = svg.find("</title>");
    if (start == std::string::npos || end == std::string::npos || end < start) return {};
    const std::string escaped = svg.substr(start + 7, end - start - 7);
    return QTextDocumentFragment::fromHtml(QString::fromStdString(escaped)).toPlainText();
}

}  // namespace

SvgView::SvgView(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void SvgView::setSvg(const std::string& svg) {
    const QByteArray text = QByteArray::fromStdString(svg);
    if (property("svg").toByteArray() == text) return;  // nothing to draw again
    setProperty("svg", text);
    renderer_->load(text);
    updateGeometry();
    update();
}

void SvgView::setSmallestScale(double scale) {
    smallestScale_ = scale;
    updateGeometry();
}

QSize SvgView::minimumSizeHint() const {
    if (!renderer_->isValid() || smallestScale_ <= 0) return QWidget::minimumSizeHint();
    return (renderer_->viewBoxF().size() * smallestScale_).toSize();
}

bool SvgView::isEmpty() const { return !renderer_->isValid(); }

QSize SvgView::sizeHint() const {
    return renderer_->isValid() ? renderer_->viewBoxF().size().toSize() : QSize(0, 0);
}

int SvgView::heightForWidth(int width) const {
    const QSizeF box = renderer_->viewBoxF().size();
    return box.width() > 0 ? int(width * box.height() / box.width() + 0.5) : 0;
}

void SvgView::paintEvent(QPaintEvent*) {
    if (!renderer_->isValid()) return;
    QSizeF drawn = renderer_->viewBoxF().size();
    drawn.scale(size(), Qt::KeepAspectRatio);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(QPointF((width() - drawn.width()) / 2, 0), drawn));
}

bool printNet(QPrinter& printer, const solver::drawing::NetSvg& net) {
    if (net.svg.empty()) return false;
    QSvgRenderer renderer(QByteArray::fromStdString(net.svg));
    if (!renderer.isValid()) return false;
    printer.setFullPage(false);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      net.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter starts at the margins' corner, in the printer's dots.
    const double dotsPerMm = printer.resolution() / 25.4;
    renderer.render(&painter, QRectF(0, 0, net.widthMm * dotsPerMm, net.heightMm * dotsPerMm));
    return painter.end();
}

SolidDrawings::SolidDrawings(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("drawings"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    // The figures of several solutions side by side, two to a row.
    figures_ = new QGridLayout;
    column->addLayout(figures_, 1);
    noNet_ = new QLabel(this);
    noNet_->setObjectName(QStringLiteral("no-net"));
    noNet_->setWordWrap(true);
    noNet_->hide();
    column->addWidget(noNet_);
    auto* buttons = new QHBoxLayout;
    netButton_ = new QPushButton(QStringLiteral("Р&азвивка"), this);
    netButton_->setObjectName(QStringLiteral("net"));
    netButton_->setAccessibleName(fromUtf8(solver::caption::net));
    printButton_ = new QPushButton(QStringLiteral("&Печат на развивката…"), this);
    printButton_->setObjectName(QStringLiteral("print-net"));
    printButton_->setAccessibleName(fromUtf8(solver::caption::printNet));
    buttons->addWidget(netButton_);
    buttons->addWidget(printButton_);
    buttons->addStretch(1);
    column->addLayout(buttons);
    connect(netButton_, &QPushButton::clicked, this, &SolidDrawings::showNet);
    connect(printButton_, &QPushButton::clicked, this, &SolidDrawings::chooseAndPrint);
    showOutcome({}, {});
}

void SolidDrawings::showOutcome(const solver::Outcome& outcome, const solver::Settings& settings) {
    const bool solved = outcome.status == solver::Status::Solved && outcome.solid && !outcome.solutions.empty();
    // A solid with no figure's drawer shows no frame at all.
    const bool drawable = solved && outcome.solid->registration && !outcome.solid->registration->drawing.figure.empty();
    // Nor one whose givens do not fix it (a triangle's side and height: its area, not its shape).
    std::vector<std::string> svgs;
    if (drawable)
        for (const solver::Solution& solution : outcome.solutions) {
            svgs.push_back(solver::drawing::figureSvg(*outcome.solid, solution,
                                                      {.unit = outcome.unit,
                                                       .asked = solver::foundKeys(solution),
                                                       .stylesheet = false,
                                                       .turned = outcome.turned}));
            if (svgs.back().empty()) svgs.clear();
            if (svgs.empty()) break;
        }
    const std::size_t count = svgs.size();
    // A view per solution, made once and kept; never so small that its labels
    // (15 pixels at full size) are smaller than the window's text.
    while (std::size_t(figures_->count()) > count) delete figures_->takeAt(figures_->count() - 1)->widget();
    const double smallest = std::min(1.0, QFontInfo(font()).pixelSize() / labelPixels);
    while (std::size_t(figures_->count()) < count) {
        auto* view = new SvgView(this);
        const int index = figures_->count();
        view->setObjectName(QStringLiteral("figure:%1").arg(index + 1));
        view->setSmallestScale(smallest);
        figures_->addWidget(view, index / 2, index % 2);
        view->show();  // a child made after its window was shown stays hidden until told
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& svg = svgs[i];
        auto* view = static_cast<SvgView*>(figures_->itemAt(int(i))->widget());
        view->setSmallestScale(smallest);
        view->setSvg(svg);
        QString name = titleOf(svg);
        if (count > 1) name = fromUtf8(solver::solutionHeading(i, count)) + QStringLiteral(": ") + name;
        view->setAccessibleName(name);
        view->setToolTip(name);
    }
    net_ = solved ? solver::drawing::netSvg(*outcome.solid, outcome.solutions.front(),
                                           {.unit = outcome.unit, .settings = settings, .stylesheet = false})
                  : solver::drawing::NetSvg{};
    solidName_ = solved ? fromUtf8(outcome.solid->name) : QString();
    noNet_->setText(QString::fromStdString(net_.message));
    noNet_->setVisible(solved && net_.svg.empty());
    netButton_->setEnabled(solved && !net_.svg.empty());
    printButton_->setEnabled(solved && !net_.svg.empty());
    if (netWindow_) showNetWindowContents();
}

// The net in a window of its own, kept up to date while it is open.
void SolidDrawings::showNet() {
    if (!netWindow_) {
        netWindow_ = new QWidget(window(), Qt::Window);
        netWindow_->setAttribute(Qt::WA_DeleteOnClose);
        netWindow_->setObjectName(QStringLiteral("net-window"));
        auto* column = new QVBoxLayout(netWindow_);
        netView_ = new SvgView(netWindow_);
        netView_->setObjectName(QStringLiteral("net-view"));
        column->addWidget(netView_, 1);
        auto* print = new QPushButton(QStringLiteral("&Печат на развивката…"), netWindow_);
        print->setAccessibleName(fromUtf8(solver::caption::printNet));
        column->addWidget(print, 0, Qt::AlignLeft);
        connect(print, &QPushButton::clicked, this, &SolidDrawings::chooseAndPrint);
        const QSize available = screen()->availableGeometry().size() - QSize(40, 80);
        netWindow_->resize(QSize(net_.landscape ? 900 : 640, net_.landscape ? 680 : 900).boundedTo(available));
    }
    showNetWindowContents();
    netWindow_->show();
    netWindow_->raise();
    netWindow_->activateWindow();
}

void SolidDrawings::showNetWindowContents() {
    const QString title = fromUtf8(solver::caption::net) + QStringLiteral(": ") + solidName_;
    netWindow_->setWindowTitle(title);
    netWindow_->setAccessibleName(title);
    netView_->setSvg(net_.svg);
    netView_->setAccessibleName(titleOf(net_.svg));
}

void SolidDrawings::chooseAndPrint() {
    if (net_.svg.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      net_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setDocName(fromUtf8(solver::caption::net) + QStringLiteral(" ") + solidName_);
    QPrintDialog dialog(&printer, window());
    dialog.setWindowTitle(fromUtf8(solver::caption::printNet));
    if (dialog.exec() == QDialog::Accepted) printNet(printer, net_);
}

}  // namespace geometry::ui
