#include "actorbuilder/ListView.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace actorbuilder::listview {
namespace {

struct ListState {
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
    int selected = -1;
};

// The state of a list view, made on first use; null for any other window.
ListState* State(ui::HWND list) {
    if (ui::GetClassName(list) != ui::WC_LISTVIEW) return nullptr;
    if (!ui::GetControlState(list)) ui::SetControlState(list, std::make_shared<ListState>());
    return static_cast<ListState*>(ui::GetControlState(list));
}

bool ValidRow(const ListState& state, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < state.rows.size();
}

// The state of a list holding this row; null when it does not.
ListState* StateWithRow(ui::HWND list, int row) {
    ListState* state = State(list);
    return state && ValidRow(*state, row) ? state : nullptr;
}

std::string* Cell(ui::HWND list, int row, int column) {
    ListState* state = StateWithRow(list, row);
    if (!state || column < 0 || static_cast<std::size_t>(column) >= state->columns.size()) return nullptr;
    return &state->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace

ui::DialogControl ReportView(int id, int x, int y, int width, int height) {
    ui::DialogControl control;
    control.id = id;
    control.className = ui::WC_LISTVIEW;
    control.style = ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                    LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    return control;
}

void AddColumn(ui::HWND list, std::string header, int width) {
    ListState* state = State(list);
    if (!state) return;
    state->columns.push_back(Column{std::move(header), width});
    for (auto& row : state->rows) row.resize(state->columns.size());
}

std::vector<Column> Columns(ui::HWND list) {
    const ListState* state = State(list);
    return state ? state->columns : std::vector<Column>{};
}

int AppendRow(ui::HWND list) {
    ListState* state = State(list);
    if (!state) return -1;
    state->rows.emplace_back(state->columns.size());
    return static_cast<int>(state->rows.size()) - 1;
}

int RowCount(ui::HWND list) {
    const ListState* state = State(list);
    return state ? static_cast<int>(state->rows.size()) : 0;
}

std::string CellText(ui::HWND list, int row, int column) {
    const std::string* cell = Cell(list, row, column);
    return cell ? *cell : std::string();
}

void SetCellText(ui::HWND list, int row, int column, std::string_view text) {
    if (std::string* cell = Cell(list, row, column)) *cell = std::string(text);
}

void DeleteRow(ui::HWND list, int row) {
    ListState* state = StateWithRow(list, row);
    if (!state) return;
    state->rows.erase(state->rows.begin() + row);
    if (state->selected == row) state->selected = -1;
    if (state->selected > row) --state->selected;
}

void DeleteAllRows(ui::HWND list) {
    if (ListState* state = State(list)) {
        state->rows.clear();
        state->selected = -1;
    }
}

void SwapRows(ui::HWND list, int first, int second) {
    ListState* state = StateWithRow(list, first);
    if (!state || !ValidRow(*state, second)) return;
    std::swap(state->rows[static_cast<std::size_t>(first)], state->rows[static_cast<std::size_t>(second)]);
    if (state->selected == first)
        state->selected = second;
    else if (state->selected == second)
        state->selected = first;
}

int SelectedRow(ui::HWND list) {
    const ListState* state = State(list);
    return state ? state->selected : -1;
}

void SelectRow(ui::HWND list, int row) {
    if (ListState* state = State(list)) state->selected = ValidRow(*state, row) ? row : -1;
}

}  // namespace actorbuilder::listview
