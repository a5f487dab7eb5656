// SPDX-License-Identifier: MIT
#pragma once
// The field store: the only way a handler reads or writes the window's text fields.

#include <string>

#include "panel_table.h"

namespace geometry {

class FieldStore {
public:
    virtual ~FieldStore() = default;
    virtual std::string text(Field field) const = 0;  // UTF-8
    virtual void setText(Field field, const std::string& text) = 0;
    // A calculated result: its text and the float it was written from, which a
    // window may keep to show the number rounded when the text is too wide for
    // the field. Until the text changes otherwise the value belongs to it.
    virtual void setResult(Field field, const std::string& text, float value) {
        (void)value;
        setText(field, text);
    }
};

}  // namespace geometry
