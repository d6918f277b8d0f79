#pragma once
// Shows the grid model in a report-style list view: row 0 is the header, each later
// row an item. The list view's selection is the model's current row.
#include <functional>

#include "scheduler/GridModel.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class GridView {
public:
    // The list view is the form's row "grdProgram".
    GridView(GridModel& model, ui::Form& form);

    ui::ListView& Control() { return list_; }
    // Copies the whole model into the list view.
    void Refresh();
    // The user chose another row (mouse or keyboard); the model's row is set already.
    std::function<void()> RowChosen;

private:
    GridModel& model_;
    ui::Bound<ui::ListView> list_;
};
