#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(XmlDocument, ElementsAttributesAndTextWithTheirNamespaces) {
  const std::optional<XmlElement> task = ReadXmlDocument(
      L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Task version=\"1.2\" xmlns=\"urn:task\">\r\n"
      L"  <!-- <A>none</A> --><A p:at=\"1\" xmlns:p=\"urn:p\">one <![CDATA[<two>]]></A>\r\n"
      L"  <B/><A>three &amp; four</A></Task>");
  ASSERT_TRUE(task);
  EXPECT_EQ(L"Task", task->name);
  EXPECT_EQ(L"urn:task", task->namespaceUri);
  EXPECT_EQ(L"1.2", task->Attribute(L"version").value_or(L"<none>"));
  EXPECT_EQ(L"", task->text) << "white space between elements";
  ASSERT_EQ(3u, task->children.size());
  const std::vector<const XmlElement*> as = task->Children(L"A");
  ASSERT_EQ(2u, as.size());
  EXPECT_EQ(L"one <two>", as[0]->text);
  EXPECT_EQ((std::vector<std::pair<std::wstring, std::wstring>>{{L"at", L"1"}}), as[0]->attributes)
      << "a namespace declaration is no attribute";
  EXPECT_EQ(L"three & four", as[1]->text);
  ASSERT_TRUE(task->Child(L"B"));
  EXPECT_EQ(L"urn:task", task->Child(L"B")->namespaceUri);
  EXPECT_FALSE(task->Child(L"C"));
}

TEST(XmlDocument, AnythingButOneWellFormedDocumentIsNone) {
  for (const wchar_t* text :
       {L"", L"  ", L"text", L"<a>", L"<a></b>", L"<a/><b/>", L"<a/>text",
        L"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>"}) {
    EXPECT_FALSE(ReadXmlDocument(text)) << text;
  }
}

}  // namespace
}  // namespace quav
