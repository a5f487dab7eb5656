// SPDX-License-Identifier: MIT
#include "form1.h"

#include <array>
#include <optional>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>

#include "announcement.h"
#include "figure_picture.h"
#include "fonts.h"
#include "keypad.h"
#include "message_boxes.h"
#include "placement.h"
#include "on_demand.h"
#include "qt_layout.h"
#include "result_field.h"
#include "task/task_sheet.h"
#include "text_field.h"

// The picture artwork is compiled into the static ui library; registering it
// here makes sure the linker keeps it.
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace geometry::ui {
namespace {

using namespace layout;

// To a screen reader the window is a window with its caption, not a bare pane,
// and a figure picture is an image (the announcement names itself).
QAccessibleInterface* ownAccessibility(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(Form1::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(FigurePicture::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

void registerAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(ownAccessibility);
        return true;
    }();
    (void)registered;
}

// The classic Windows look, shared by every control of the window and kept for
// the life of the application.
QStyle* windowsStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        s->setParent(qApp);
        return s;
    }();
    return style;
}

// The system colours of every control; `background` fills the control's own
// rectangle (the window, a panel or a label).
QPalette controlPalette(const QColor& background) {
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, SystemColour colour) {
        palette.setColor(role, roleColour(colour));
    };
    palette.setColor(QPalette::Window, background);
    set(QPalette::WindowText, SystemColour::ButtonText);
    set(QPalette::Base, SystemColour::Window);
    set(QPalette::AlternateBase, SystemColour::Window);
    set(QPalette::Text, SystemColour::WindowText);
    set(QPalette::Button, SystemColour::ButtonFace);
    set(QPalette::ButtonText, SystemColour::ButtonText);
    set(QPalette::Light, SystemColour::ButtonHighlight);
    set(QPalette::Midlight, SystemColour::ButtonLight);
    set(QPalette::Mid, SystemColour::ButtonShadow);
    set(QPalette::Dark, SystemColour::ButtonShadow);
    set(QPalette::Shadow, SystemColour::ButtonDarkShadow);
    set(QPalette::Highlight, SystemColour::Highlight);
    set(QPalette::HighlightedText, SystemColour::HighlightText);
    return palette;
}

}  // namespace

// The fonts and palettes of the controls, each made once while the window is
// built (three fonts, seven palettes) and shared by the controls that use it.
class ControlLooks {
public:
    const QFont& font(FontKind kind) {
        std::optional<QFont>& font = fonts_[static_cast<std::size_t>(kind)];
        if (!font) font = controlFont(kind);
        return *font;
    }
    const QPalette& palette(const QColor& background) {
        auto found = palettes_.find(background.rgba());
        if (found == palettes_.end()) found = palettes_.insert(background.rgba(), controlPalette(background));
        return *found;
    }

private:
    std::array<std::optional<QFont>, 3> fonts_;
    QHash<QRgb, QPalette> palettes_;
};

namespace {

// What every control shares: its name, place, font, colours and look.
void placeControl(QWidget* widget, const ControlRow& row, const QColor& background, ControlLooks& looks) {
    widget->setObjectName(fromUtf8(row.name));
    widget->setStyle(windowsStyle());
    widget->setFont(looks.font(row.font));
    widget->setPalette(looks.palette(background));
    widget->setGeometry(pixelRect(row));
}

// "сфера и кълбо: пресметни" for a control in a panel; the words alone on the window.
QString withPanelCaption(const ControlRow& row, const QString& words) {
    const ControlRow* container = findControl(row.container);
    if (!container) return words;
    return fromUtf8(container->caption) + QStringLiteral(": ") + words;
}

// Every text field lays its empty text out in the application's font as it is
// made, before it takes the window's. With the window's face as the
// application's while the controls are made, no other face is loaded before
// the window first shows; the application's own font comes back afterwards,
// for the windows that use it.
class ApplicationFontWhileBuilding {
public:
    explicit ApplicationFontWhileBuilding(const QFont& font) : kept_(QApplication::font()) {
        QApplication::setFont(font);
    }
    ~ApplicationFontWhileBuilding() { QApplication::setFont(kept_); }
    ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
    ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

private:
    QFont kept_;
};

}  // namespace

Form1::Form1(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), handlers_(*this, *this, std::move(decimalSeparator)), looks_(std::make_unique<ControlLooks>()) {
    registerPictures();
    registerAccessibility();
    setUpWindow();
    {
        const ApplicationFontWhileBuilding windowFace(looks_->font(FontKind::Standard));
        buildControls();
    }
    looks_.reset();
    announcement_ = new Announcement(this);
    chainTabOrder();
    nameForScreenReaders();
    fieldEdit(Field::BoxEdgeA)->setFocus();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { selectFieldToCorrect(focused); });
}

Form1::~Form1() { delete problems_; }

void Form1::setUpWindow() {
    const WindowDescription& window = form1Window();
    setObjectName(fromUtf8(window.name));
    setWindowTitle(fromUtf8(window.caption));
    setStyle(windowsStyle());
    setFont(looks_->font(FontKind::Standard));
    setPalette(looks_->palette(toQColor(window.background)));
    setAutoFillBackground(true);  // an enlarged window shows its own colour
    keepOnScreen();
    controls_.insert(objectName(), this);
}

// The designed place, or as near as the screen allows with the frame as far as
// it is known: before the window is first shown, on X11, not at all.
void Form1::keepOnScreen() {
    const WindowDescription& window = form1Window();
    const QRect designed(twipsToPixels(window.clientLeft), twipsToPixels(window.clientTop),
                         twipsToPixels(window.clientWidth), twipsToPixels(window.clientHeight));
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(placeOnScreen(designed, frame, screen()->availableGeometry()));
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placedWithFrame_ && windowHandle()) windowHandle()->installEventFilter(this);
}

void Form1::buildControls() {
    for (const ControlRow& row : form1Controls()) {
        QWidget* container = controls_.value(fromUtf8(row.container));
        Q_ASSERT(container);
        controls_.insert(fromUtf8(row.name), createControl(row, container));
    }
    // A text field is drawn over any label it overlaps, so every field shows whole.
    for (QLineEdit* field : fields_) field->raise();
}

QWidget* Form1::createControl(const ControlRow& row, QWidget* container) {
    switch (row.kind) {
    case ControlKind::Panel: return createPanel(row, container);
    case ControlKind::Label: return createLabel(row, container);
    case ControlKind::TextField: return createTextField(row, container);
    case ControlKind::Button: return createButton(row, container);
    case ControlKind::Picture: return createPicture(row, container);
    }
    return nullptr;
}

QWidget* Form1::createPanel(const ControlRow& row, QWidget* container) {
    auto* panel = new QGroupBox(fromUtf8(row.caption), container);
    placeControl(panel, row, roleColour(row.background.value_or(SystemColour::ButtonFace)), *looks_);
    panel->setAutoFillBackground(true);
    return panel;
}

QWidget* Form1::createLabel(const ControlRow& row, QWidget* container) {
    auto* label = new QLabel(container);
    placeControl(label, row, roleColour(SystemColour::ButtonFace), *looks_);
    label->setTextFormat(Qt::PlainText);
    label->setText(fromUtf8(row.caption));
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setAlignment(row.align == CaptionAlign::TopCentre ? Qt::AlignTop | Qt::AlignHCenter
                                                             : Qt::AlignTop | Qt::AlignLeft);
    label->setAutoFillBackground(true);  // opaque: a button-face strip behind the text
    return label;
}

QWidget* Form1::createTextField(const ControlRow& row, QWidget* container) {
    const std::optional<Field> field = fieldByName(row.name);
    Q_ASSERT(field);
    TextField* edit = fieldInfo(*field).result ? new ResultField(*field, handlers_.decimalSeparator(), container)
                                               : new TextField(*field, container);
    placeControl(edit, row, roleColour(SystemColour::Window), *looks_);
    edit->setMenuItems([this, panel = fieldInfo(*field).panel](QMenu& menu) { addPanelItems(menu, panel); });
    fields_[static_cast<std::size_t>(*field)] = edit;
    edit->installEventFilter(this);
    return edit;
}

QWidget* Form1::createButton(const ControlRow& row, QWidget* container) {
    auto* button = new QPushButton(fromUtf8(row.caption), container);
    placeControl(button, row, roleColour(SystemColour::ButtonFace), *looks_);
    // No default button: Enter and Escape press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    const std::optional<Button> which = buttonByName(row.name);
    Q_ASSERT(which);
    connect(button, &QPushButton::clicked, this, [this, b = *which] {
        handlers_.press(b);
        // Once fields are emptied the last results may be gone from the window.
        const PanelRow* panel = panelOf(b);
        if (panel && b == panel->clear.button) announcement_->withdraw();
    });
    return button;
}

QWidget* Form1::createPicture(const ControlRow& row, QWidget* container) {
    const QRect place = pixelRect(row);
    auto* picture = new FigurePicture(pictureResource(row), place.size(), container);
    placeControl(picture, row, container->palette().color(QPalette::Window), *looks_);
    return picture;
}

void Form1::chainTabOrder() {
    const auto stops = form1TabStops();
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(controls_.value(fromUtf8(stops[i - 1]->name)),
                             controls_.value(fromUtf8(stops[i]->name)));
}

// What a screen reader says of each control: a field by its panel and label
// ("сфера и кълбо: радиус="), a button by its panel and caption, a panel by its
// caption, a picture by its figure. Labels keep their captions and are the
// buddies of the fields they name.
void Form1::nameForScreenReaders() {
    for (const ControlRow& row : form1Controls()) {
        QWidget* widget = controls_.value(fromUtf8(row.name));
        switch (row.kind) {
        case ControlKind::Panel:
            widget->setAccessibleName(fromUtf8(row.caption));
            break;
        case ControlKind::Button:
            widget->setAccessibleName(withPanelCaption(row, fromUtf8(row.caption)));
            break;
        case ControlKind::TextField:
            nameField(row, widget);
            break;
        case ControlKind::Picture: {
            const QString figure = fromUtf8(pictureFigure(row.name));
            widget->setAccessibleName(figure);
            widget->setAccessibleDescription(QStringLiteral("рисунка на ") + figure);
            break;
        }
        case ControlKind::Label:
            break;
        }
    }
}

void Form1::nameField(const ControlRow& row, QWidget* edit) {
    const std::optional<Field> field = fieldByName(row.name);
    auto* label = qobject_cast<QLabel*>(controls_.value(fromUtf8(labelNaming(row.name)->name)));
    Q_ASSERT(label);
    label->setBuddy(edit);
    edit->setAccessibleName(withPanelCaption(row, fromUtf8(fieldWords(*field))));
    const std::string_view description = fieldDescription(*field);
    if (!description.empty()) edit->setAccessibleDescription(fromUtf8(description));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        // Once exposed the window has its frame, if the desktop gives it one.
        windowHandle()->removeEventFilter(this);
        placedWithFrame_ = true;
        keepOnScreen();
        return QWidget::eventFilter(watched, event);
    }
    if (openPastedTask(watched, event)) return true;
    if (typeKeypadDecimal(qobject_cast<QLineEdit*>(watched), event, QString::fromStdString(handlers_.decimalSeparator())))
        return true;
    return QWidget::eventFilter(watched, event);
}

QLineEdit* Form1::fieldEdit(Field field) const { return fields_[static_cast<std::size_t>(field)]; }

std::string Form1::text(Field field) const { return fieldEdit(field)->text().toStdString(); }

void Form1::setText(Field field, const std::string& text) {
    QLineEdit* edit = fieldEdit(field);
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0);  // a number wider than its field shows its leading digits
}

void Form1::setResult(Field field, const std::string& text, float value) {
    auto* result = qobject_cast<ResultField*>(fieldEdit(field));
    if (!result) {
        setText(field, text);
        return;
    }
    result->setResult(QString::fromStdString(text), value);
    result->setCursorPosition(0);
}

void Form1::announceResults(Panel, const std::string& announcement) {
    announcement_->announce(QString::fromStdString(announcement));
}

void Form1::showSolution(Panel panel, const std::vector<std::string>& lines) {
    solutions_[static_cast<std::size_t>(panel)] = lines;
    // A line for each result field the press filled, in order; a field it
    // emptied (the box's "S1=") has none.
    auto line = lines.begin();
    for (const ResultRow& result : panelRow(panel).results) {
        auto* field = qobject_cast<ResultField*>(fieldEdit(result.field));
        if (field && !field->text().isEmpty() && line != lines.end())
            field->setSolutionLine(QString::fromStdString(*line++));
    }
}

// "Копирай решението": the panel's lines as plain text, one per line; greyed
// out while there are none. „Реши като задача“: the panel's inputs as a task
// in the problems window; greyed out for a prism whose kind is not 1, 2 or 3.
void Form1::addPanelItems(QMenu& menu, Panel panel) {
    const std::vector<std::string>& lines = solutions_[static_cast<std::size_t>(panel)];
    menu.addSeparator();
    QAction* copy = menu.addAction(QStringLiteral("Копирай решението"));
    copy->setEnabled(!lines.empty());
    connect(copy, &QAction::triggered, this, [this, panel] {
        QStringList text;
        for (const std::string& line : solutions_[static_cast<std::size_t>(panel)]) text << QString::fromStdString(line);
        QApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
    });
    const std::optional<PanelTask> task = panelTask(panel, *this);
    QAction* solveAsTask = menu.addAction(fromUtf8(solver::caption::solveAsTask));
    solveAsTask->setEnabled(task.has_value());
    if (task) connect(solveAsTask, &QAction::triggered, this, [this, task = *task] { openProblems(task); });
}

// The problems window is made when first asked for, and goes with the calculator:
// closing the calculator still ends the program.
QWidget* Form1::problemsWindow() {
    if (problems_) return problems_;
    OnDemandParts* parts = onDemandParts();
    if (!parts) {
        showMessageBox(this, QMessageBox::Warning, fromUtf8(solver::problemsTitle), onDemandError());
        return nullptr;
    }
    problems_ = parts->makeProblemsWindow(handlers_.decimalSeparator());
    problems_->setAttribute(Qt::WA_DeleteOnClose);
    problems_->setAttribute(Qt::WA_QuitOnClose, false);
    return problems_;
}

void Form1::showProblemsWindow() {
    problems_->show();
    problems_->raise();
    problems_->activateWindow();
}

void Form1::openProblems(const PanelTask& task) {
    if (!problemsWindow()) return;
    onDemandParts()->showTask(problems_, task.solid, task.givens);
    showProblemsWindow();
}

// Only a text that reads as a task: a number, or anything else, is pasted
// into the field as before (so too where the problems window cannot be had).
bool Form1::openPastedTask(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !qobject_cast<TextField*>(watched)) return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
    const QString text = QGuiApplication::clipboard()->text();
    OnDemandParts* parts = onDemandParts();
    if (!parts || !parts->readsAsTask(text.toStdString()) || !problemsWindow()) return false;
    parts->showText(problems_, text);
    showProblemsWindow();
    return true;
}

void Form1::showMessage(const std::string& prompt, const std::string& title) {
    showMessageBox(this, QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(prompt));
}

void Form1::unloadWindow() { close(); }

void Form1::reportErrorStop(const ErrorStop& stop) {
    showMessageBox(this, QMessageBox::Warning, QString::fromUtf8(errorTitle),
                   QString::fromStdString(errorMessage(stop, handlers_.decimalSeparator())));
    activateWindow();  // the keyboard comes back here, whatever the desktop does
    if (const std::optional<Field> field = stop.field()) {
        QLineEdit* edit = fieldEdit(*field);
        selectWhenFocused_ = edit;
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

// The window comes back to the front when the desktop gets round to it; events
// of the box's going may come before that and cost the field its selection.
// The field to correct is selected again as it takes the focus.
void Form1::selectFieldToCorrect(QWidget* focused) {
    if (!focused) return;
    if (focused == selectWhenFocused_) selectWhenFocused_->selectAll();
    selectWhenFocused_ = nullptr;
}

}  // namespace geometry::ui
