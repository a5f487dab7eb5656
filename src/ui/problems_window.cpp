// SPDX-License-Identifier: MIT
#include "problems_window.h"

#include <algorithm>
#include <initializer_list>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "announcement.h"
#include "keypad.h"
#include "qt_layout.h"
#include "base_choice.h"
#include "solid_choice.h"
#include "solid_drawings.h"
#include "task_settings.h"
#include "task/task_sheet.h"
#include "wording/line_breaks.h"

namespace geometry::ui {
namespace {

// A pause in typing this long solves the task again.
constexpr int typingPauseMs = 300;

// To a screen reader the window is a window with its title.
QAccessibleInterface* problemsAccessibility(const QString& className, QObject* object) {
    if (object && object->isWidgetType() && className == QLatin1String(ProblemsWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

void registerProblemsAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(problemsAccessibility);
        return true;
    }();
    (void)registered;
}

// A field the message is about, or where one more given would decide the task.
const QString markedFields = QStringLiteral(
    "QLineEdit[mark=\"concerned\"] { border: 2px solid #a40000; padding: 1px; }"
    "QLineEdit[mark=\"suggested\"] { border: 2px dashed #1a5fb4; padding: 1px; }");

// The solver's text as the window shows it: a number kept on one line with its
// unit and its „≈“.
QString shown(const std::string& text) { return QString::fromStdString(solver::keptWhole(text)); }
QString escaped(const std::string& text) { return shown(text).toHtmlEscaped(); }

// The window's face, and DejaVu Sans after it for any sign it lacks (⇒, ∛, ⁻):
// the package depends on fonts-dejavu-core.
QFont withSigns(QFont font) {
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    if (!families.contains(QStringLiteral("DejaVu Sans"))) families << QStringLiteral("DejaVu Sans");
    font.setFamilies(families);
    return font;
}

void setMark(QLineEdit* field, const char* mark) {
    if (field->property("mark").toString() == QLatin1String(mark)) return;
    field->setProperty("mark", QLatin1String(mark));
    field->style()->unpolish(field);
    field->style()->polish(field);
}

}  // namespace

ProblemsWindow::ProblemsWindow(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    registerProblemsAccessibility();
    buildWindow();
    showSolid(solids_->current());
    solids_->setFocus();
}

ProblemsWindow::~ProblemsWindow() = default;

// From the top: the solids, how to type, the fields, the buttons, the
// settings, the steps and the figure; all in one area that scrolls where the
// screen is smaller than they are (a 1366 × 768 laptop at 125 %).
void ProblemsWindow::buildWindow() {
    setObjectName(QStringLiteral("ProblemsWindow"));
    setWindowTitle(fromUtf8(solver::problemsTitle));
    setAccessibleName(windowTitle());
    setStyleSheet(markedFields);
    setFont(withSigns(font()));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls; the area follows the focus
    scroll_->setAccessibleName(windowTitle());
    frame->addWidget(scroll_);
    auto* content = new QWidget(scroll_);
    content->setObjectName(QStringLiteral("content"));
    auto* column = new QVBoxLayout(content);
    buildTextBox(column);

    auto* solidCaption = new QLabel(QStringLiteral("&") + fromUtf8(solver::caption::solid) + QLatin1Char(':'), this);
    solids_ = new SolidChoice(this);
    solidCaption->setBuddy(solids_);
    column->addWidget(solidCaption);
    column->addWidget(solids_);
    base_ = new BaseChoice(this);
    base_->offer(solids_->current());
    column->addWidget(base_);

    auto* hint = new QLabel(fromUtf8(solver::givensHint(decimalSeparator_)), this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    column->addWidget(hint);

    rowsArea_ = new QWidget(this);
    rowsGrid_ = new QGridLayout(rowsArea_);
    rowsGrid_->setContentsMargins(0, 4, 0, 4);
    rowsGrid_->setColumnStretch(3, 1);
    column->addWidget(rowsArea_);
    column->addLayout(buildButtons());

    settings_ = new TaskSettings(decimalSeparator_, this);
    column->addWidget(settings_);

    steps_ = new QTextBrowser(this);
    steps_->setObjectName(QStringLiteral("steps"));
    steps_->setAccessibleName(fromUtf8(solver::caption::steps));
    steps_->setTabChangesFocus(true);
    // Eight lines of steps at least, of some forty letters; more scroll within.
    steps_->setMinimumHeight(8 * steps_->fontMetrics().lineSpacing() + 12);
    steps_->setMinimumWidth(40 * steps_->fontMetrics().averageCharWidth());
    steps_->document()->setDefaultStyleSheet(QStringLiteral("p { margin: 0 0 3px 0; } h3 { margin: 6px 0 4px 0; }"));
    // The steps, and beside them the figure of each solution.
    drawings_ = new SolidDrawings(this);
    auto* solution = new QHBoxLayout;
    solution->addWidget(steps_, 1);
    solution->addWidget(drawings_);
    column->addLayout(solution, 1);
    scroll_->setWidget(content);

    announcement_ = new Announcement(this);
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(typingPauseMs);
    connectControls();

    // As large as the contents, within the screen less room for a taskbar and
    // the window's frame; what does not fit scrolls.
    const QSize available = screen()->availableGeometry().size() - QSize(40, 60);
    const QSize wanted = content->sizeHint() + QSize(scroll_->verticalScrollBar()->sizeHint().width(), 0);
    resize(QSize(std::max(1100, wanted.width()), std::max(740, wanted.height())).boundedTo(available));
}

void ProblemsWindow::showEvent(QShowEvent* event) {
    // Where the window opens beyond its screen (another screen's size, or the
    // screen's scale changed), it comes back within it.
    const QRect available = screen()->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - size();
    if (width() + frameExtra.width() > available.width() || height() + frameExtra.height() > available.height())
        resize(size().boundedTo(available.size() - frameExtra));
    QWidget::showEvent(event);
}

// The task's text, and under it what it was read as.
void ProblemsWindow::buildTextBox(QVBoxLayout* column) {
    auto* caption = new QLabel(QStringLiteral("&") + fromUtf8(solver::reader::pasteCaption) + QLatin1Char(':'), this);
    taskText_ = new QPlainTextEdit(this);
    taskText_->setObjectName(QStringLiteral("task-text"));
    taskText_->setAccessibleName(fromUtf8(solver::reader::pasteCaption));
    taskText_->setTabChangesFocus(true);
    taskText_->setFixedHeight(taskText_->fontMetrics().lineSpacing() * 4 + 12);
    caption->setBuddy(taskText_);
    textRead_ = new QLabel(this);
    textRead_->setObjectName(QStringLiteral("text-read"));
    textRead_->setTextFormat(Qt::PlainText);
    textRead_->setWordWrap(true);
    textRead_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textRead_->hide();
    column->addWidget(caption);
    column->addWidget(taskText_);
    column->addWidget(textRead_);
    textPause_ = new QTimer(this);
    textPause_->setSingleShot(true);
    textPause_->setInterval(typingPauseMs);
    connect(taskText_, &QPlainTextEdit::textChanged, textPause_, qOverload<>(&QTimer::start));
    connect(textPause_, &QTimer::timeout, this, &ProblemsWindow::readText);
    // Ctrl+V where no field or box takes the text: the clipboard's task.
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, [this] { showText(QGuiApplication::clipboard()->text()); });
}

void ProblemsWindow::showText(const QString& text) {
    taskText_->setPlainText(text);
    readText();
}

// The box's text read: the solid, its fields and the settings as the text
// gives them, solved with the asked quantities in the unit asked.
void ProblemsWindow::readText() {
    textPause_->stop();
    const QString text = taskText_->toPlainText();
    if (text.trimmed().isEmpty()) {
        text_.reset();
        asked_.clear();
        textRead_->hide();
        solveQuietly();
        return;
    }
    text_ = text.toStdString();
    settingsChosen_ = false;
    const solver::reader::TextOutcome read = solver::reader::readAndSolve(*text_, {settings_->settings()});
    asked_ = read.asked;
    if (const solver::SolidRow* row = solver::solidByKey(read.read.solid)) {
        QHash<QString, QString>& texts = typed_[fromUtf8(row->key)];
        texts.clear();
        for (const solver::reader::ReadGiven& given : read.read.givens)
            if (solver::quantityIndex(solver::withUses(*row), given.key) >= 0)
                texts[QString::fromStdString(given.key)] = QString::fromStdString(given.value);
        settings_->show(read.settings);
        solid_ = nullptr;  // the fields are made again with the texts
        chooseSolid(*row);
    }
    showRead(read);
}

void ProblemsWindow::showRead(const solver::reader::TextOutcome& read) {
    QStringList lines;
    const std::string summary = solver::reader::readSummary(read);
    if (!summary.empty()) lines << QString::fromStdString(summary);
    if (!read.read.message.empty()) lines << QString::fromStdString(read.read.message);
    textRead_->setText(lines.join(QLatin1Char('\n')));
    textRead_->setVisible(!lines.isEmpty());
    textRead_->setAccessibleName(textRead_->text());
    outcome_ = read.status == "unread" ? solver::Outcome{} : read.outcome;
    showOutcome();
    if (read.status == "unread") steps_->setPlainText(QString::fromStdString(read.message));
}

// Ctrl+V in a field with a task's text in the clipboard: the task is read in
// the box, and the field keeps what it held.
bool ProblemsWindow::pastedTask(QEvent* event) {
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
    const QString text = QGuiApplication::clipboard()->text();
    if (solver::reader::readTask(text.toStdString()).status != solver::reader::ReadStatus::Read) return false;
    showText(text);
    return true;
}

// „Реши“ and „Изчисти“; π and √ into the field last typed in, for keyboards
// that have neither (from the keyboard they are typed pi and sqrt).
QHBoxLayout* ProblemsWindow::buildButtons() {
    auto* buttons = new QHBoxLayout;
    solveButton_ = new QPushButton(QStringLiteral("&") + fromUtf8(solver::caption::solve), this);
    solveButton_->setObjectName(QStringLiteral("solve"));
    clearButton_ = new QPushButton(QStringLiteral("&") + fromUtf8(solver::caption::clear), this);
    clearButton_->setObjectName(QStringLiteral("clear"));
    buttons->addWidget(solveButton_);
    buttons->addWidget(clearButton_);
    buttons->addStretch(1);
    for (const QString& sign : {QStringLiteral("π"), QStringLiteral("√")}) {
        auto* insert = new QPushButton(sign, this);
        insert->setObjectName(QStringLiteral("insert:") + sign);
        insert->setAccessibleName(fromUtf8(solver::caption::insert) + QLatin1Char(' ') + sign);
        insert->setFocusPolicy(Qt::NoFocus);
        insert->setFixedWidth(insert->sizeHint().height() * 3 / 2);
        connect(insert, &QPushButton::clicked, this, [this, sign] { insertIntoField(sign); });
        buttons->addWidget(insert);
    }
    return buttons;
}

void ProblemsWindow::connectControls() {
    connect(typingPause_, &QTimer::timeout, this, &ProblemsWindow::solveQuietly);
    connect(solids_, &SolidChoice::chosen, this, [this](const solver::SolidRow& solid) {
        base_->offer(solid);
        showSolid(solid);
    });
    connect(base_, &BaseChoice::chosen, this, &ProblemsWindow::showSolid);
    connect(solids_, &SolidChoice::confirmed, this, [this] {
        if (!rows_.empty()) rows_.front().field->setFocus(Qt::TabFocusReason);
    });
    connect(settings_, &TaskSettings::changed, this, [this] {
        // The results follow the settings, once there is something to solve;
        // chosen, they override the text's.
        settingsChosen_ = true;
        if (outcome_.solid) solve();
    });
    connect(solveButton_, &QPushButton::clicked, this, &ProblemsWindow::solve);
    connect(clearButton_, &QPushButton::clicked, this, &ProblemsWindow::clear);
}

// The solid by its picture and, for one on a base of its own shape, its base.
void ProblemsWindow::chooseSolid(const solver::SolidRow& solid) {
    const solver::SolidRow& offered = solver::offeredBy(solid);
    if (&solids_->current() != &offered) {
        const QSignalBlocker quiet(solids_);
        solids_->choose(offered);
        base_->offer(offered);
    }
    base_->choose(solid);
    showSolid(solid);
}

void ProblemsWindow::showSolid(const solver::SolidRow& solid) {
    if (solid_ == &solid && !rows_.empty()) return;
    solid_ = &solid;
    typingPause_->stop();
    lastField_ = nullptr;
    while (QLayoutItem* item = rowsGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    rows_.clear();

    more_ = nullptr;
    for (const solver::QuantityRow& quantity : solid.quantities) addRow(quantity);
    bool typedUse = false;
    for (const solver::QuantityRow& quantity : solver::withUses(solid).quantities) {
        if (!solver::isUseKey(solid, quantity.key)) continue;
        if (!more_) addMoreButton();
        addRow(quantity, true);
        typedUse = typedUse || !rows_.back().field->text().trimmed().isEmpty();
    }
    if (more_) showUses(typedUse);
    chainTabOrder();
    outcome_ = {};
    solveQuietly();
}

// „Още величини“ on a line of its own under the solid's own fields: it opens
// and closes the fields of use under it.
void ProblemsWindow::addMoreButton() {
    more_ = new QToolButton(rowsArea_);
    more_->setObjectName(QStringLiteral("more-quantities"));
    more_->setText(fromUtf8(solver::caption::moreQuantities));
    more_->setAccessibleName(more_->text());
    more_->setCheckable(true);
    more_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    more_->setAutoRaise(true);
    more_->setFocusPolicy(Qt::StrongFocus);
    rowsGrid_->addWidget(more_, int(rows_.size()), 0, 1, 4, Qt::AlignLeft);
    more_->show();
    connect(more_, &QToolButton::toggled, this, &ProblemsWindow::showUses);
}

void ProblemsWindow::showUses(bool open) {
    if (!more_) return;
    if (more_->isChecked() != open) {
        const QSignalBlocker quiet(more_);
        more_->setChecked(open);
    }
    more_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    for (const Row& row : rows_)
        if (row.use)
            for (QWidget* cell : row.cells) cell->setVisible(open);
}

// An angle's field ends in a degree sign: what is typed there is in degrees.
void ProblemsWindow::markDegrees(QLineEdit* field) {
    auto* degrees = new QLabel(QStringLiteral("°"), field);
    degrees->setObjectName(QStringLiteral("degrees"));
    degrees->setAttribute(Qt::WA_TransparentForMouseEvents);
    field->setAccessibleName(field->accessibleName() + QStringLiteral(", в градуси"));
    auto* inside = new QHBoxLayout(field);
    inside->setContentsMargins(0, 0, field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4, 0);
    inside->addStretch();
    inside->addWidget(degrees);
    const QMargins margins = field->textMargins();
    field->setTextMargins(margins.left(), margins.top(), margins.right() + degrees->sizeHint().width() + 4, margins.bottom());
}

// A quantity's row: its letter, its name, its field (what was typed into it
// before, kept) and what stands beside it.
void ProblemsWindow::addRow(const solver::QuantityRow& quantity, bool use) {
    const QString solidKey = fromUtf8(solid_->key), key = fromUtf8(quantity.key);
    auto* letter = new QLabel(key, rowsArea_);
    QFont bold = letter->font();
    bold.setBold(true);
    letter->setFont(bold);
    auto* name = new QLabel(fromUtf8(quantity.name), rowsArea_);
    auto* field = new QLineEdit(typed_.value(solidKey).value(key), rowsArea_);
    field->setObjectName(QStringLiteral("given:") + key);
    // Never lower than its text: the rows scroll rather than shrink.
    field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    field->setMinimumHeight(field->sizeHint().height());
    field->setAccessibleName(key + QLatin1Char(' ') + name->text());
    name->setBuddy(field);
    field->installEventFilter(this);
    if (quantity.dimension == solver::Dimension::Angle) markDegrees(field);
    auto* beside = new QLabel(rowsArea_);
    beside->setObjectName(QStringLiteral("beside:") + key);
    beside->setTextFormat(Qt::PlainText);
    beside->setWordWrap(true);
    beside->setTextInteractionFlags(Qt::TextSelectableByMouse);
    beside->setMinimumWidth(260);
    beside->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    const int line = int(rows_.size()) + (more_ ? 1 : 0);  // under the button, the fields of use
    int column = 0;
    for (QWidget* cell : std::initializer_list<QWidget*>{letter, name, field, beside}) {
        rowsGrid_->addWidget(cell, line, column++);
        cell->show();  // at once, not when the layout gets round to it: the field may take the focus now
    }
    connect(field, &QLineEdit::textEdited, this, [this, solidKey, key](const QString& text) {
        typed_[solidKey][key] = text;
        text_.reset();  // a correction: from now on the fields are the task
        typingPause_->start();
    });
    connect(field, &QLineEdit::returnPressed, this, &ProblemsWindow::solve);
    rows_.push_back({key, field, beside, {letter, name, field, beside}, use});
}

// Solid, fields, „Реши“, „Изчисти“, the settings, the steps, the net's
// buttons: as they stand.
void ProblemsWindow::chainTabOrder() {
    QList<QWidget*> order{taskText_, solids_, base_->focusTarget()};
    for (const Row& row : rows_) {
        if (row.use && more_ && !order.contains(more_)) order << more_;
        order << row.field;
    }
    order << solveButton_ << clearButton_ << settings_->focusOrder() << steps_ << drawings_->netButton()
          << drawings_->printButton();
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

bool ProblemsWindow::showTask(const std::string& solid, const Givens& givens) {
    const solver::SolidRow* row = solver::solidByKey(solid);
    if (!row) return false;
    QHash<QString, QString>& texts = typed_[fromUtf8(row->key)];
    texts.clear();
    for (const auto& [key, text] : givens) texts[QString::fromStdString(key)] = QString::fromStdString(text);
    solid_ = nullptr;  // the fields are made again with the texts
    chooseSolid(*row);
    solve();
    if (!rows_.empty()) rows_.front().field->setFocus(Qt::OtherFocusReason);
    return true;
}

// The task as the fields hold it; with nothing typed, nothing to show.
void ProblemsWindow::solveQuietly() {
    typingPause_->stop();
    if (text_) {  // the task as read, the asked quantities in the unit asked
        const solver::Settings settings = settings_->settings();
        const solver::reader::TextOutcome read =
            solver::reader::readAndSolve(*text_, {settings, settingsChosen_, settingsChosen_ && settings.unit.has_value(),
                                                  settingsChosen_});
        outcome_ = read.status == "unread" ? solver::Outcome{} : read.outcome;
        showOutcome();
        return;
    }
    std::vector<solver::Given> givens;
    for (const Row& row : rows_) {
        const QString text = row.field->text().trimmed();
        if (!text.isEmpty()) givens.push_back({row.key.toStdString(), text.toStdString()});
    }
    outcome_ = givens.empty() ? solver::Outcome{} : solver::solve(solid_->key, givens, settings_->settings());
    givens_ = std::move(givens);
    showOutcome();
}

void ProblemsWindow::solve() {
    solveQuietly();
    if (!outcome_.solid && !text_) outcome_ = solver::solve(solid_->key, {}, settings_->settings());  // says what to give
    showOutcome();
    announcement_->announce(QString::fromStdString(solver::announcement(outcome_)));
}

void ProblemsWindow::clear() {
    text_.reset();
    asked_.clear();
    typed_[fromUtf8(solid_->key)].clear();
    for (Row& row : rows_) row.field->clear();
    outcome_ = {};
    showOutcome();
    announcement_->withdraw();
    if (!rows_.empty()) rows_.front().field->setFocus(Qt::OtherFocusReason);
}

void ProblemsWindow::showOutcome() {
    for (Row& row : rows_) showBeside(row);
    showSteps();
    drawings_->showOutcome(outcome_, settings_->settings());
}

void ProblemsWindow::showBeside(Row& row) {
    const std::string key = row.key.toStdString();
    const solver::Beside beside = solver::besideField(outcome_, solver::withUses(*solid_), key);
    QStringList lines;
    const bool asked = std::find(asked_.begin(), asked_.end(), row.key.toStdString()) != asked_.end();
    for (const std::string& line : beside.results)
        lines << shown(line) + (asked ? QStringLiteral(" (") + fromUtf8(solver::reader::askedMark) + QLatin1Char(')')
                                      : QString());
    // A given that cannot be used has its own sentence beside its own field.
    const bool ownProblem = outcome_.status == solver::Status::Invalid && beside.concerned;
    if (ownProblem) lines << shown(solver::givenProblem(outcome_, givens_, key, settings_->settings()));
    else if (beside.message) lines << shown(outcome_.message);
    row.beside->setText(lines.join(QLatin1Char('\n')));
    QPalette palette = row.beside->palette();
    palette.setColor(QPalette::WindowText,
                     beside.message || ownProblem ? QColor(0xa4, 0, 0) : this->palette().color(QPalette::WindowText));
    row.beside->setPalette(palette);
    row.beside->setAccessibleName(row.field->accessibleName() + QStringLiteral(": ") + row.beside->text());
    setMark(row.field, beside.concerned ? "concerned" : beside.suggested ? "suggested" : "");
    row.field->setAccessibleDescription(ownProblem                            ? lines.last()
                                        : beside.concerned || beside.suggested ? shown(outcome_.message)
                                                                               : QString());
}

void ProblemsWindow::showSteps() {
    QString html;
    const std::size_t count = outcome_.solutions.size();
    if (outcome_.status == solver::Status::Solved) {
        for (std::size_t i = 0; i < count; ++i) {
            html += QStringLiteral("<h3>%1</h3>").arg(escaped(solver::solutionHeading(i, count)));
            for (const std::string& step : outcome_.solutions[i].steps) html += QStringLiteral("<p>%1</p>").arg(escaped(step));
        }
    } else if (!outcome_.message.empty()) {
        html = QStringLiteral("<p>%1</p>").arg(escaped(outcome_.message));
    }
    steps_->setHtml(html);
}

// What the program typed into a field, kept as the student's typing is.
void ProblemsWindow::keepTyped(QLineEdit* field) {
    for (const Row& row : rows_)
        if (row.field == field) typed_[fromUtf8(solid_->key)][row.key] = field->text();
    typingPause_->start();
}

void ProblemsWindow::insertIntoField(const QString& text) {
    QLineEdit* field = lastField_ ? lastField_ : rows_.empty() ? nullptr : rows_.front().field;
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->insert(text);
    keepTyped(field);
}

bool ProblemsWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::FocusIn) lastField_ = field;
    if (field && pastedTask(event)) return true;
    if (field && typeKeypadDecimal(field, event, QString::fromStdString(decimalSeparator_))) {
        keepTyped(field);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace geometry::ui
