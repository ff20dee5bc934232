#pragma once

#include <string>
#include <string_view>

// The lines of the change log and where the log lives, without any system
// call: the Windows side fills in the time, names and folder.
namespace quav {

// What every line of the log names besides the addresses.
struct LogLineFields {
  std::wstring time;     // local short date, a blank, long time
  std::wstring machine;  // computer name
  std::wstring adapter;  // class subkey name, e.g. 0007
  std::wstring user;     // logon name
};

// A change line, without its line end: naming the from address when there is
// one, otherwise only the new address. Control characters in any field show
// as "?", so a line never holds a line break of its own.
std::wstring AddressChangeLine(const LogLineFields& fields, std::wstring_view fromAddress,
                               std::wstring_view newAddress);

// A removal line, without its line end.
std::wstring AddressRemovalLine(const LogLineFields& fields);

// The log file in a folder; a folder that ends in a backslash (a drive root)
// gets no second one.
std::wstring LogFileIn(std::wstring_view folder);

}  // namespace quav
