#include "dictionaries/register_frame.h"

#include "host/api/text_api.h"
#include "resources/module_resources.h"

namespace skolvarin::dictionaries {

int run_register(RegisterFrame& frame, DATA4* table, TAG4* tag, int rows1, int rows2, int flag,
                 const std::function<void(RegisterFrame&)>& build,
                 const std::function<void(BROWSE*)>& fill) {
  int saved = w4select(-1);
  frame.menu_window = DefineMainMenuWindow();
  if (frame.menu_window < 0) {
    w4select(saved);
    return 0;
  }
  ResetScrollDefinition(&frame.scroll, 80);
  ResetTextCtrlDefinition(&frame.texts);
  ResetEditCtrlDefinition(&frame.edits);
  ResetTabuDefinition(&frame.print_columns);
  build(frame);
  BROWSE* b = nullptr;
  if (allocate_browse(&b, table, tag, &frame.scroll, frame.menu_window) == 0) {
    b->ctx = data::state().ctx ? data::state().ctx : b->ctx;
    b->text_controls = &frame.texts;
    b->edit_controls = &frame.edits;
    if (!frame.print_columns.columns.empty()) b->print_columns = &frame.print_columns;
    if (frame.has_filters) {
      b->filter_function = FilterFunction;
      b->filters = &frame.filters;
    }
    b->user = &frame;
    fill(b);
    zrob_browse(b, rows1, rows2, flag);
    free_browse(b);
  }
  if (frame.has_filters) FreeFilters(&frame.filters);
  if (frame.search_menu >= 0) w4close(frame.search_menu);
  w4close(frame.menu_window);
  w4select(saved);
  return 0;
}

data::TableHandles& table(std::string_view file) { return data::handles(file); }

TemplateIdFunction template_id(int id) { return resources::resource_id_function(id); }

std::string upper(std::string_view s) { return text::utf8_upper(s); }

std::string padded(FIELD4* field) { return field ? std::string(f4str(field)) : std::string(); }

ValidFunction unique_value(DATA4* data, TAG4* tag, int message, std::function<std::string()> key) {
  return [data, tag, message, key](EditControl* c) {
    int mode = c && c->browse ? c->browse->mode : BROWSE_ADD;
    return ValidUniqueTag(data, tag, key().c_str(), mode, message) == 1 ? -1 : 0;
  };
}

ValidFunction not_empty_and_unique(DATA4* data, TAG4* tag, int message, std::function<std::string()> key) {
  ValidFunction unique = unique_value(data, tag, message, std::move(key));
  return [unique](EditControl* c) {
    if (valid_empty_get(c) != 0) return -1;
    return unique(c);
  };
}

bool list_has_current(BROWSE* b) {
  if (!b || !b->data) return false;
  DATA4* d = b->data;
  long rec = d4recno(d);
  if (d4eof(d) || rec < 1 || rec > d4reccount(d)) return false;
  if (d4deleted(d)) return false;
  if (b->filter_function && b->filters && b->filter_function(b->filters) != r4keep) return false;
  return true;
}

}  // namespace skolvarin::dictionaries
