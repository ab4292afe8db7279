// The register frame's definitions: list columns, text and edit controls,
// print columns; and the module's memory blocks.
#include <cstdlib>

#include "host/api/browse_api.h"

int ResetScrollDefinition(ScrollDefinition* def, int width) {
  if (!def) return -1;
  def->width = width > 0 ? width : 80;
  def->columns.clear();
  return 0;
}

ScrollColumn* DefineScrollColumn(ScrollDefinition* def, FIELD4* field, int flags, const char* header, TAG4* tag) {
  if (!def) return nullptr;
  ScrollColumn c;
  c.field = field;
  c.flags = flags;
  c.header = header ? header : "";
  c.tag = tag;
  def->columns.push_back(std::move(c));
  return &def->columns.back();
}

int ResetTextCtrlDefinition(TextCtrlDefinition* def) {
  if (!def) return -1;
  def->controls.clear();
  return 0;
}

TextControl* DefineTextCtrl(TextCtrlDefinition* def, int row, int col, FIELD4* field, int flags) {
  if (!def) return nullptr;
  def->controls.push_back(TextControl{row, col, field, flags, {}, {}});
  return &def->controls.back();
}

int ResetEditCtrlDefinition(EditCtrlDefinition* def) {
  if (!def) return -1;
  def->controls.clear();
  return 0;
}

EditControl* DefineEditCtrl(EditCtrlDefinition* def, int row, int col, FIELD4* field, int flags) {
  if (!def) return nullptr;
  auto c = std::make_unique<EditControl>();
  c->row = row;
  c->col = col;
  c->field = field;
  c->flags = flags;
  c->len = field ? f4len(field) : 0;
  def->controls.push_back(std::move(c));
  return def->controls.back().get();
}

void* take_mem(std::size_t size) { return std::calloc(1, size ? size : 1); }
void free_mem(void* block) { std::free(block); }
