#include "ui/side/LicenseText.h"

#include "platform/Texts.h"
#include "ui/side/OrvContact.h"

namespace quav {
namespace {

// The terms from 1.2 on are in English in every language.
const wchar_t* const kEnglishParagraphs[] = {
    L"1.2 This agreement is between you, the user, and ORV Software. The tools are provided to you strictly "
    L"subject to the terms of this agreement.",
    L"2. Permitted Use",
    L"2.1 You may use the tools free of charge, for personal and for commercial purposes.",
    L"2.2 You may not modify, reverse engineer, decompile or disassemble the tools, create derivative works "
    L"from them, or distribute or sell them without the prior written consent of ORV Software.",
    L"2.3 You may not use the tools in any way that breaks any law. Breaking into networks or computer "
    L"systems that you do not own is illegal.",
    L"3. Technical Support",
    L"3.1 ORV Software offers no technical or customer support for the tools.",
    L"4. No Express or Implied Warranty",
    L"4.1 THE TOOLS ARE PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT "
    L"NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT. "
    L"THE ENTIRE RISK AS TO THE QUALITY AND PERFORMANCE OF THE TOOLS IS WITH YOU.",
    L"5. Limitation of Liability",
    L"5.1 IN NO EVENT SHALL ORV SOFTWARE BE LIABLE FOR ANY DIRECT, INDIRECT, INCIDENTAL, SPECIAL OR "
    L"CONSEQUENTIAL DAMAGES, INCLUDING LOSS OF DATA, LOSS OF PROFITS OR INTERRUPTION OF BUSINESS, ARISING OUT "
    L"OF THE USE OF OR INABILITY TO USE THE TOOLS, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGES.",
    L"5.2 YOU AGREE TO HOLD ORV SOFTWARE HARMLESS FROM ANY CLAIM OR DAMAGE ARISING OUT OF YOUR USE OF THE "
    L"TOOLS, INCLUDING ANY CHANGE TO THE NETWORK SETTINGS OF YOUR COMPUTER.",
    L"6. Indemnification",
    L"6.1 You agree to indemnify and defend ORV Software against any claim, loss, damage or cost, including "
    L"reasonable legal fees, that results from your use of the tools or from your breach of this agreement.",
    L"7. Intellectual Property Rights",
    L"7.1 The names, trademarks and logos used with the tools are the property of ORV Software. This "
    L"agreement grants you no right to use them.",
    L"8. Miscellaneous",
    L"8.1 This agreement is governed by the laws of the country in which ORV Software has its seat.",
    L"8.2 This agreement is the entire agreement between you and ORV Software about the tools and replaces "
    L"any earlier understanding.",
    L"8.3 If you use the tools outside the country of ORV Software, you are responsible for complying with "
    L"the laws that apply where you use them.",
    L"8.4 ORV Software may change these terms at any time without notice.",
    L"8.5 If ORV Software does not enforce a right under this agreement, it does not waive that right.",
    L"8.6 If any provision of this agreement is held invalid or unenforceable, the remaining provisions stay "
    L"in full force.",
};

}  // namespace

std::wstring GetLicenseText() {
  std::wstring text;
  for (const TextId paragraph : {TextId::LicenseMaker, TextId::LicenseTitle, TextId::LicenseSection1,
                                  TextId::LicenseClause11}) {
    text += Say(paragraph);
    text += L"\r\n\r\n";
  }
  for (const wchar_t* paragraph : kEnglishParagraphs) {
    text += paragraph;
    text += L"\r\n\r\n";
  }
  text += L"If you have any questions about this agreement, please contact ";
  text += kMakerName;
  text += L", Room 12, 100 Example Road, Example City 000000, e-mail ";
  text += kContactEmail;
  text += L", website ";
  text += kMakerPage;
  text += L".";
  return text;
}

}  // namespace quav
