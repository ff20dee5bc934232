#include "ui/ListView.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>

namespace quav {

int CompareListText(std::wstring_view a, std::wstring_view b) {
  const int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

void ListView::ClearColumns() {
  while (ListView_DeleteColumn(hwnd_, 0)) {
  }
}

void ListView::AddColumn(std::wstring_view header, int widthPixels, ColumnAlign align) {
  std::wstring text(header);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = align == ColumnAlign::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
  column.cx = widthPixels;
  column.pszText = text.data();
  ListView_InsertColumn(hwnd_, ColumnCount(), &column);
}

int ListView::ColumnCount() const {
  HWND header = ListView_GetHeader(hwnd_);
  return header ? Header_GetItemCount(header) : 0;
}

int ListView::ColumnWidth(int column) const { return ListView_GetColumnWidth(hwnd_, column); }

void ListView::SetColumnWidth(int column, int widthPixels) { ListView_SetColumnWidth(hwnd_, column, widthPixels); }

void ListView::SetReportPresentation() {
  // Report view, no in-place editing, selection kept visible: the window
  // styles give those. Grid lines off; the whole row selectable.
  ListView_SetExtendedListViewStyleEx(hwnd_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void ListView::Clear() { ListView_DeleteAllItems(hwnd_); }

long ListView::Count() const { return hwnd_ ? static_cast<long>(ListView_GetItemCount(hwnd_)) : 0; }

long ListView::AddItem(std::wstring_view text) {
  std::wstring copy(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(Count());
  item.pszText = copy.data();
  item.lParam = nextItemData_++;
  const int index = static_cast<int>(::SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  return index < 0 ? 0 : index + 1;
}

std::wstring ListView::SubItem(long position, int column) const {
  if (position < 1 || position > Count()) return {};
  std::wstring text(512, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const int length = static_cast<int>(
        ::SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(position - 1), reinterpret_cast<LPARAM>(&item)));
    if (length < static_cast<int>(text.size()) - 1) {
      text.resize(static_cast<size_t>(length));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

std::wstring ListView::Text(long position) const { return SubItem(position, 0); }

void ListView::SetSubItem(long position, int column, std::wstring_view text) {
  if (position < 1 || position > Count()) return;
  std::wstring copy(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = copy.data();
  ::SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(position - 1), reinterpret_cast<LPARAM>(&item));
}

long ListView::SelectedPosition() const {
  const int index = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
  return index < 0 ? 0 : index + 1;
}

void ListView::SetSelected(long position, bool selected) {
  if (position < 1 || position > Count()) return;
  const UINT state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  ListView_SetItemState(hwnd_, static_cast<int>(position - 1), state, LVIS_SELECTED | LVIS_FOCUSED);
  if (selected) ListView_EnsureVisible(hwnd_, static_cast<int>(position - 1), FALSE);
}

namespace {

struct SortContext {
  std::unordered_map<LPARAM, std::pair<std::wstring, int>> rows;  // item data -> sort text, position
  int column;
  bool descending;
  ListView::CellComparer compareCells;
};

// Called by the list control: throws nothing. A row the sort did not
// collect (none should be) counts as equal to every other.
int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM context) noexcept {
  const auto& sort = *reinterpret_cast<const SortContext*>(context);
  const auto foundA = sort.rows.find(a);
  const auto foundB = sort.rows.find(b);
  if (foundA == sort.rows.end() || foundB == sort.rows.end()) return 0;
  const auto& rowA = foundA->second;
  const auto& rowB = foundB->second;
  const std::optional<int> byMeaning =
      sort.compareCells ? sort.compareCells(sort.column, rowA.first, rowB.first) : std::nullopt;
  int result = byMeaning ? *byMeaning : CompareListText(rowA.first, rowB.first);
  if (sort.descending) result = -result;
  if (result != 0) return result;
  return rowA.second - rowB.second;
}

}  // namespace

void ListView::Sort() {
  if (!Sorted) return;
  SortContext context;
  context.column = SortKey;
  context.descending = SortOrder == 1;
  context.compareCells = compareCells_;
  const long count = Count();
  for (long position = 1; position <= count; ++position) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = static_cast<int>(position - 1);
    ListView_GetItem(hwnd_, &item);
    context.rows[item.lParam] = {SubItem(position, SortKey), static_cast<int>(position)};
  }
  ListView_SortItems(hwnd_, CompareRows, reinterpret_cast<LPARAM>(&context));
}

LRESULT ListView::CustomDraw(NMHDR* header) const {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // A selected row keeps the list's own highlight, focused or not.
      if (ListView_GetItemState(hwnd_, static_cast<int>(draw->nmcd.dwItemSpec), LVIS_SELECTED)) return CDRF_DODEFAULT;
      if (stripe_ && draw->nmcd.dwItemSpec % 2 == 0) {
        draw->clrTextBk = *stripe_;
        return CDRF_NEWFONT;
      }
      draw->clrTextBk = ::GetSysColor(COLOR_WINDOW);
      return CDRF_NEWFONT;
    default:
      return CDRF_DODEFAULT;
  }
}

void ListView::Repaint() const { ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

int CheckBox::Value() const {
  return static_cast<int>(::SendMessageW(hwnd_, BM_GETCHECK, 0, 0)) == BST_CHECKED ? 1 : 0;
}

void CheckBox::SetValue(int value) {
  ::SendMessageW(hwnd_, BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace quav
