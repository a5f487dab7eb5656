// SPDX-License-Identifier: MIT
#include "task_settings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "qt_layout.h"
#include "task/task_sheet.h"

namespace geometry::ui {

TaskSettings::TaskSettings(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* piCaption = new QLabel(QStringLiteral("π:"), this);
    row->addWidget(piCaption);
    pi_ = new QButtonGroup(this);
    const std::vector<solver::PiChoice> choices = solver::piChoices(decimalSeparator_);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(fromUtf8(choices[i].label), this);
        button->setObjectName(QStringLiteral("pi:%1").arg(i));
        button->setAccessibleName(QStringLiteral("π: ") + fromUtf8(choices[i].label));
        button->setChecked(i == 0);
        pi_->addButton(button, int(i));
        row->addWidget(button);
    }
    row->addSpacing(16);

    auto* gradeCaption = new QLabel(QStringLiteral("&") + fromUtf8(solver::caption::grade) + QLatin1Char(':'), this);
    grade_ = new QComboBox(this);
    grade_->setObjectName(QStringLiteral("grade"));
    grade_->setAccessibleName(fromUtf8(solver::caption::grade));
    for (const solver::GradeChoice& choice : solver::gradeChoices()) grade_->addItem(fromUtf8(choice.label), choice.grade);
    gradeCaption->setBuddy(grade_);
    row->addWidget(gradeCaption);
    row->addWidget(grade_);
    row->addSpacing(16);

    auto* unitCaption = new QLabel(QStringLiteral("&") + fromUtf8(solver::caption::unit) + QLatin1Char(':'), this);
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->setAccessibleName(fromUtf8(solver::caption::unit));
    for (const solver::UnitChoice& choice : solver::unitChoices()) unit_->addItem(fromUtf8(choice.label));
    unitCaption->setBuddy(unit_);
    row->addWidget(unitCaption);
    row->addWidget(unit_);
    row->addSpacing(16);

    auto* digitsCaption = new QLabel(QStringLiteral("&") + fromUtf8(solver::caption::digits) + QLatin1Char(':'), this);
    digits_ = new QSpinBox(this);
    digits_->setObjectName(QStringLiteral("digits"));
    digits_->setAccessibleName(fromUtf8(solver::caption::digits));
    digits_->setRange(0, solver::largestDigits);
    digits_->setValue(solver::Settings{}.digits);
    digitsCaption->setBuddy(digits_);
    row->addWidget(digitsCaption);
    row->addWidget(digits_);
    row->addStretch(1);

    connect(pi_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) emit changed();
    });
    connect(grade_, &QComboBox::currentIndexChanged, this, &TaskSettings::changed);
    connect(unit_, &QComboBox::currentIndexChanged, this, &TaskSettings::changed);
    connect(digits_, &QSpinBox::valueChanged, this, &TaskSettings::changed);
}

solver::Settings TaskSettings::settings() const {
    solver::Settings settings;
    settings.pi = solver::piChoices(decimalSeparator_)[std::size_t(std::max(0, pi_->checkedId()))].setting;
    settings.unit = solver::unitChoices()[std::size_t(std::max(0, unit_->currentIndex()))].unit;
    settings.digits = digits_->value();
    settings.grade = grade_->currentData().toInt();
    settings.separator = decimalSeparator_;
    return settings;
}

void TaskSettings::show(const solver::Settings& settings) {
    const QSignalBlocker quietPi(pi_), quietGrade(grade_), quietUnit(unit_), quietDigits(digits_);
    const std::vector<solver::PiChoice> choices = solver::piChoices(decimalSeparator_);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].setting == settings.pi) pi_->button(int(i))->setChecked(true);
    const std::vector<solver::UnitChoice> units = solver::unitChoices();
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].unit == settings.unit) unit_->setCurrentIndex(int(i));
    digits_->setValue(settings.digits);
    if (const int index = grade_->findData(settings.grade); index >= 0) grade_->setCurrentIndex(index);
}

QList<QWidget*> TaskSettings::focusOrder() const {
    return {pi_->checkedButton(), grade_, unit_, digits_};
}

}  // namespace geometry::ui
