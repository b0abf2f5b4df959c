#pragma once
// Helpers that lay out a window's controls in grids, so that every window
// stays readable at 1280 x 800. A window's constructor places each control
// in a cell of its grid (Form::grid()) or of a frame's grid (Frame::grid()):
//
//   ui::addCaption(grid(), "Объекты", 0, 0);
//   ui::place(grid(), Frame1, 1, 0);
//   ui::placeColumn(Frame1.grid(), Check2, 0, 0);   // Check2(0..10) downwards
//   ui::placeRow(grid(), Text1, 3, 1);               // Text1(0..10) to the right
//   QGridLayout& right = ui::addGrid(grid(), 0, 1);     // a nested grid
//
// Captions that the code never changes need no control: addCaption puts a
// fixed text into a cell.
#include <QGridLayout>

#include <string>

#include "ui/Controls.h"

namespace ui {

void place(QGridLayout& grid, Control& control, int row, int column, int rowSpan = 1,
           int columnSpan = 1);

// Places the controls of an array one below the other (placeColumn) or one
// beside the other (placeRow), from its lowest index on.
template <class C>
void placeColumn(QGridLayout& grid, ControlArray<C>& controls, int firstRow, int column) {
  for (int i = controls.LBound(); i <= controls.UBound(); ++i)
    place(grid, controls[i], firstRow + i - controls.LBound(), column);
}
template <class C>
void placeRow(QGridLayout& grid, ControlArray<C>& controls, int row, int firstColumn) {
  for (int i = controls.LBound(); i <= controls.UBound(); ++i)
    place(grid, controls[i], row, firstColumn + i - controls.LBound());
}

// A fixed caption in a cell.
void addCaption(QGridLayout& grid, const std::string& text, int row, int column,
                int rowSpan = 1, int columnSpan = 1);

// A caption in a cell and a text box of the given width in the next cell to
// its right: the usual "name, value" pair of the windows.
void placeCaptioned(QGridLayout& grid, const std::string& caption, TextBox& box, int row,
                    int column, int boxWidth);

// A grid nested in a cell of another grid.
QGridLayout& addGrid(QGridLayout& grid, int row, int column, int rowSpan = 1,
                     int columnSpan = 1);

// Fixes the width of a control (text boxes of number columns).
void setWidthPixels(Control& control, int width);
template <class C>
void setWidthPixels(ControlArray<C>& controls, int width) {
  for (int i = controls.LBound(); i <= controls.UBound(); ++i) setWidthPixels(controls[i], width);
}

// Lets a control take the spare width of its row, never less than the
// given width (a box whose numbers may be long, in a row of fixed boxes).
// The row's grid gives the control's column the stretch.
void takeSpareWidth(Control& control, int leastWidth);

}  // namespace ui
