#pragma once
// The task grid as data: a text matrix whose row 0 is the heading row, a current row
// and column widths. The scheduler reads it; a list view shows it. No <windows.h>.
#include <functional>
#include <string>
#include <vector>

// The cells of a task row; row 0 of the grid holds the headings.
namespace task_grid {
enum Column { kPausedCol, kNameCol, kStartCol, kLocationCol, kDaysCol, kLastResultCol, kColumnCount };
}  // namespace task_grid

class GridModel {
public:
    GridModel(int rows = 1, int cols = task_grid::kColumnCount);

    int Rows() const { return static_cast<int>(cells_.size()); }
    void SetRows(int rows);  // new rows are empty; the current row stays inside
    int Cols() const { return cols_; }
    void SetCols(int cols);

    // Out-of-range cells read as "" and ignore writes.
    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const std::string& text);
    void Clear();  // every cell empty, shape kept
    // A cell without its leading and trailing blanks, as every reader of the grid wants it.
    std::string TrimmedText(int row, int col) const;
    // Fills a whole row at once without CellChanged: for rebuilds, which end with
    // NotifyRebuilt. Extra texts are dropped; missing ones leave empty cells.
    void SetRowTexts(int row, const std::vector<std::string>& texts);

    int Row() const { return row_; }  // the current row; 0 when no task row is chosen
    void SetRow(int row);

    int ColWidth(int col) const;  // twips
    void SetColWidth(int col, int twips);

    // Lets a view follow the model. Rebuilt: many cells changed; CellChanged: one.
    std::function<void()> Rebuilt;
    std::function<void(int row, int col)> CellChanged;
    void NotifyRebuilt() const {
        if (Rebuilt) Rebuilt();
    }

private:
    std::vector<std::vector<std::string>> cells_;
    std::vector<int> widths_;
    int cols_;
    int row_ = 0;
};
