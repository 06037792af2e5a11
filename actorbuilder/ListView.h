#pragma once
// The report-view list control (window class SysListView32) that the window
// layer knows by name only: its columns, rows of text cells and single
// selection live in the control's state. Functions on any other window, or
// with an index out of range, do nothing and give empty answers.

#include "host/ui/DialogTemplate.h"
#include "host/ui/Window.h"

#include <string>
#include <string_view>
#include <vector>

namespace actorbuilder::listview {

// List view styles, with the system's values.
constexpr unsigned LVS_REPORT = 0x0001;
constexpr unsigned LVS_SINGLESEL = 0x0004;
constexpr unsigned LVS_SHOWSELALWAYS = 0x0008;
constexpr unsigned LVS_NOSORTHEADER = 0x8000;

// A report view with single selection that always shows it, for a template.
ui::DialogControl ReportView(int id, int x, int y, int width, int height);

struct Column {
    std::string header;
    int width = 0;  // pixels
};

void AddColumn(ui::HWND list, std::string header, int width);
std::vector<Column> Columns(ui::HWND list);

// Appends a row of empty cells, one per column; its index, -1 for no list.
int AppendRow(ui::HWND list);
int RowCount(ui::HWND list);
std::string CellText(ui::HWND list, int row, int column);
void SetCellText(ui::HWND list, int row, int column, std::string_view text);
// The rows after it move up; a deleted selected row leaves none selected.
void DeleteRow(ui::HWND list, int row);
void DeleteAllRows(ui::HWND list);
// Swaps two rows; the selection stays with its row.
void SwapRows(ui::HWND list, int first, int second);

// The selected row, -1 for none.
int SelectedRow(ui::HWND list);
// Selects a row (-1: none), as a click of the user on it does.
void SelectRow(ui::HWND list, int row);

}  // namespace actorbuilder::listview
