#include "actorbuilder/desktop/ListTable.h"

#include "actorbuilder/ListView.h"

#include <FL/fl_draw.H>

#include <string>

namespace actorbuilder::desktop {
namespace {

constexpr int kRowHeight = 18;

}  // namespace

ListTable::ListTable(ui::HWND list, int x, int y, int width, int height)
    : Fl_Table_Row(x, y, width, height), list_(list) {
    const auto columns = listview::Columns(list);
    cols(static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) col_width(static_cast<int>(i), columns[i].width);
    col_header(1);
    col_header_height(20);
    col_resize(0);
    row_header(0);
    type(SELECT_SINGLE);
    end();
    Refresh();
}

void ListTable::Refresh() {
    rows(listview::RowCount(list_));
    row_height_all(kRowHeight);
    // Selecting a row of a single-selection table clears the others.
    const int selected = listview::SelectedRow(list_);
    if (selected >= 0)
        select_row(selected, 1);
    else
        select_all_rows(0);
    redraw();
}

int ListTable::SelectedTableRow() {
    for (int row = 0; row < rows(); ++row) {
        if (row_selected(row) == 1) return row;
    }
    return -1;
}

void ListTable::draw_cell(TableContext context, int row, int column, int x, int y, int width, int height) {
    const bool header = context == CONTEXT_COL_HEADER;
    if (!header && context != CONTEXT_CELL) return;
    const std::string text = header ? listview::Columns(list_).at(static_cast<std::size_t>(column)).header
                                    : listview::CellText(list_, row, column);
    fl_push_clip(x, y, width, height);
    if (header) {
        fl_draw_box(FL_THIN_UP_BOX, x, y, width, height, FL_BACKGROUND_COLOR);
    } else {
        fl_color(row_selected(row) == 1 ? FL_SELECTION_COLOR : FL_BACKGROUND2_COLOR);
        fl_rectf(x, y, width, height);
    }
    fl_color(!header && row_selected(row) == 1 ? FL_WHITE : FL_FOREGROUND_COLOR);
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    // Cells hold the user's text: '@' draws as itself, not as a symbol.
    fl_draw(text.c_str(), x + 4, y, width - 8, height, FL_ALIGN_LEFT, nullptr, 0);
    fl_pop_clip();
}

}  // namespace actorbuilder::desktop
