#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quav {

// Texts start at a column's left edge; numbers end at its right one.
enum class ColumnAlign { Left, Right };

// The report-style adapter list as the program works with it: rows by
// one-based position, each with a text and sub-item texts; a sort column,
// direction and sorted flag; and the alternating row colour.
class ListView {
 public:
  ListView() = default;
  explicit ListView(HWND hwnd) : hwnd_(hwnd) {}
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  HWND Hwnd() const { return hwnd_; }

  // Columns and presentation.
  void ClearColumns();
  void AddColumn(std::wstring_view header, int widthPixels, ColumnAlign align = ColumnAlign::Left);
  int ColumnCount() const;
  int ColumnWidth(int column) const;  // pixels
  void SetColumnWidth(int column, int widthPixels);
  void SetReportPresentation();

  // Rows.
  void Clear();
  long Count() const;
  long AddItem(std::wstring_view text);  // the new row's position
  std::wstring Text(long position) const;
  std::wstring SubItem(long position, int column) const;
  void SetSubItem(long position, int column, std::wstring_view text);
  long SelectedPosition() const;  // 0 when no row is selected
  void SetSelected(long position, bool selected);

  // Sorting compares the texts of the sort column as the list control does
  // (without regard to case, by the user's locale), except cells the owner's
  // comparer orders by their meaning (negative, zero or positive; none to
  // compare as text); rows with equal texts keep their order.
  using CellComparer = std::optional<int> (*)(int column, std::wstring_view a, std::wstring_view b);
  void SetCellComparer(CellComparer compare) { compareCells_ = compare; }
  int SortKey = 0;
  int SortOrder = 0;  // 0 ascending, 1 descending
  bool Sorted = false;
  void Sort();

  // Every second row in this colour (from the first); none when empty.
  void SetStripeColor(std::optional<COLORREF> color) { stripe_ = color; }
  std::optional<COLORREF> StripeColor() const { return stripe_; }
  // Answers the list's NM_CUSTOMDRAW notification.
  LRESULT CustomDraw(NMHDR* header) const;

  bool Enabled() const { return hwnd_ && ::IsWindowEnabled(hwnd_); }
  void Focus() const { ::SetFocus(hwnd_); }
  void Repaint() const;

 private:
  HWND hwnd_ = nullptr;
  LPARAM nextItemData_ = 1;
  std::optional<COLORREF> stripe_;
  CellComparer compareCells_ = nullptr;
};

// A check box, by its Value as the designs use it: 1 checked, 0 clear.
class CheckBox {
 public:
  CheckBox() = default;
  explicit CheckBox(HWND hwnd) : hwnd_(hwnd) {}
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  int Value() const;
  void SetValue(int value);

 private:
  HWND hwnd_ = nullptr;
};

// The texts the list compares when it sorts: negative, zero or positive.
int CompareListText(std::wstring_view a, std::wstring_view b);

}  // namespace quav
