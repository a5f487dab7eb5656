// SPDX-License-Identifier: MIT
#include "base_choice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "qt_layout.h"

namespace geometry::ui {

BaseChoice::BaseChoice(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    caption_ = new QLabel(QStringLiteral("&Основа:"), this);
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("base"));
    list_->setAccessibleName(QStringLiteral("Основа"));
    list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caption_->setBuddy(list_);
    row->addWidget(caption_);
    row->addWidget(list_);
    row->addStretch(1);
    connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && std::size_t(index) < variants_.size()) emit chosen(*variants_[std::size_t(index)]);
    });
    hide();
}

void BaseChoice::offer(const solver::SolidRow& offered) {
    const QSignalBlocker quiet(list_);
    variants_ = solver::variantsOf(offered);
    list_->clear();
    for (const solver::SolidRow* variant : variants_)
        list_->addItem(fromUtf8(solver::variantName(*variant)), fromUtf8(variant->key));
    const QString caption = fromUtf8(solver::variantsCaption(offered));
    caption_->setText(QLatin1Char('&') + caption + QLatin1Char(':'));
    list_->setAccessibleName(caption);
    list_->setCurrentIndex(0);
    setVisible(variants_.size() > 1);
}

void BaseChoice::choose(const solver::SolidRow& variant) {
    const QSignalBlocker quiet(list_);
    for (std::size_t i = 0; i < variants_.size(); ++i)
        if (variants_[i] == &variant) list_->setCurrentIndex(int(i));
}

const solver::SolidRow& BaseChoice::current() const {
    return *variants_[std::size_t(std::max(0, list_->currentIndex()))];
}

QWidget* BaseChoice::focusTarget() const { return list_; }

}  // namespace geometry::ui
