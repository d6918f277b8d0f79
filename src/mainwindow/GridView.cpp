#include "mainwindow/GridView.h"

#include <commctrl.h>

#include "scheduler/LaunchResult.h"
#include "scheduler/SchedulerView.h"

namespace {

constexpr COLORREF kFailedColor = RGB(0xC0, 0, 0);

}  // namespace

GridView::GridView(GridModel& model, ui::Form& form) : model_(model), list_(form, "grdProgram") {
    model_.Rebuilt = [this] { Refresh(); };
    model_.CellChanged = [this](int row, int col) {
        if (!list_.hwnd() || row < 1) return;
        std::string text = model_.TextMatrix(row, col);
        ListView_SetItemText(list_.hwnd(), row - 1, col, text.data());
    };
    // A failed last launch shows in red without a click.
    list_.RowTextColor = [this](int index) {
        return IsFailedResult(model_.TextMatrix(index + 1, task_grid::kLastResultCol)) ? kFailedColor : CLR_DEFAULT;
    };
    list_.SelectionChanged = [this](int index) {
        model_.SetRow(index + 1);
        if (RowChosen) RowChosen();
    };
}

void GridView::Refresh() {
    if (!list_.hwnd()) return;
    std::vector<std::string> headings;
    std::vector<int> widths;
    for (int col = 0; col < model_.Cols(); ++col) {
        headings.push_back(model_.TextMatrix(0, col));
        widths.push_back(model_.ColWidth(col));
    }
    list_.SetColumns(headings, widths);
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row < model_.Rows(); ++row) {
        std::vector<std::string> cells;
        for (int col = 0; col < model_.Cols(); ++col) cells.push_back(model_.TextMatrix(row, col));
        rows.push_back(std::move(cells));
    }
    list_.SetRows(rows);
    list_.Select(model_.Row() - 1);
}
