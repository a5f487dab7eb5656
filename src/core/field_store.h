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
};

}  // namespace geometry
