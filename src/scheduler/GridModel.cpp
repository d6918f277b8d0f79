#include "scheduler/GridModel.h"

#include <algorithm>

#include "platform/Trim.h"

namespace {

// Width of a column nobody has sized yet.
constexpr int kDefaultColWidthTwips = 1000;

}  // namespace

GridModel::GridModel(int rows, int cols) : cols_(std::max(cols, 1)) {
    widths_.assign(static_cast<size_t>(cols_), kDefaultColWidthTwips);
    SetRows(rows);
}

void GridModel::SetRows(int rows) {
    // Row 0, the heading row, always exists.
    rows = std::max(rows, 1);
    cells_.resize(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols_)));
    row_ = std::min(row_, rows - 1);
}

void GridModel::SetCols(int cols) {
    cols_ = std::max(cols, 1);
    for (auto& row : cells_) row.resize(static_cast<size_t>(cols_));
    widths_.resize(static_cast<size_t>(cols_), kDefaultColWidthTwips);
}

const std::string& GridModel::TextMatrix(int row, int col) const {
    static const std::string kOutside;
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return kOutside;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void GridModel::SetTextMatrix(int row, int col, const std::string& text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    if (CellChanged) CellChanged(row, col);
}

std::string GridModel::TrimmedText(int row, int col) const {
    return Trimmed(TextMatrix(row, col));
}

void GridModel::SetRowTexts(int row, const std::vector<std::string>& texts) {
    if (row < 0 || row >= Rows()) return;
    auto& cells = cells_[static_cast<size_t>(row)];
    for (size_t col = 0; col < cells.size(); ++col) cells[col] = col < texts.size() ? texts[col] : std::string();
}

void GridModel::Clear() {
    for (auto& row : cells_) std::fill(row.begin(), row.end(), std::string());
}

void GridModel::SetRow(int row) { row_ = std::clamp(row, 0, Rows() - 1); }

int GridModel::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? widths_[static_cast<size_t>(col)] : 0;
}

void GridModel::SetColWidth(int col, int twips) {
    if (col >= 0 && col < cols_) widths_[static_cast<size_t>(col)] = twips;
}
