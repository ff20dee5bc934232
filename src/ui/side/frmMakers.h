#pragma once

#include <optional>
#include <span>
#include <vector>

#include "adapters/AddressMaker.h"
#include "ui/Form.h"
#include "ui/ListView.h"

namespace quav {

namespace frmMakersControls {
enum : int {
  lblSearch = 1401,
  txtSearch,
  lvwMakers,
  lblCount,
  cmdOK,
  cmdCancel,
};
}  // namespace frmMakersControls

// Finds a maker for a random address of its own: the makers whose name or
// prefix matches the search box, listed as it is typed. Chosen comes out as
// the maker picked with OK, with the prefixes to draw from (the prefix typed
// alone, for its holder); none when the window was closed otherwise.
class frmMakers final : public Form {
 public:
  static std::span<const ControlDesign> Layout();
  frmMakers();

  std::optional<Maker> Chosen;

  void Form_Load();
  // Lists the makers that match the search box, the first of them selected.
  void txtSearch_Change();
  // Takes the selected maker and closes; nothing without one.
  void cmdOK_Click();

  ListView lvwMakers;

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  MakerSearch search_;  // its makers are the rows, in order
};

}  // namespace quav
