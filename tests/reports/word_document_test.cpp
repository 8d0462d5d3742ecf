#include "reports/word_document.h"

#include <gtest/gtest.h>

namespace veltora::test {
namespace {

std::string Body(const std::string& inner) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document "
           "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
           inner + "</w:body></w:document>";
}

TEST(WordDocumentTest, PlaceholderSplitOverRunsIsReplacedOnce) {
    auto doc = WordDocument::Parse(Body(
        "<w:p><w:r><w:t>Title: [PAP</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>ER_NA</w:t></w:r>"
        "<w:r><w:t>ME] end</w:t></w:r></w:p><w:p><w:r><w:t>[PAPER_NAME]</w:t></w:r></w:p>"));
    ASSERT_TRUE(doc);
    doc->PutPaperName("Quiz & <1>");
    const std::string xml = doc->Xml();
    EXPECT_NE(xml.find("Title: Quiz &amp; &lt;1&gt;</w:t>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<w:t xml:space=\"preserve\"> end</w:t>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("[PAPER_NAME]"), std::string::npos);  // only the first is replaced
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
}

TEST(WordDocumentTest, CellsKeepFormattingAndBlanks) {
    auto doc = WordDocument::Parse(Body(
        "<w:tbl><w:tr><w:tc><w:tcPr/><w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr>"
        "<w:r><w:rPr><w:i/></w:rPr><w:t>old</w:t></w:r></w:p><w:p/></w:tc></w:tr></w:tbl>"));
    ASSERT_TRUE(doc);
    auto table = doc->FirstTable();
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->SetCell(1, 2, "x"));
    EXPECT_FALSE(table->SetCell(2, 1, "x"));
    EXPECT_FALSE(table->AppendRows(-1));
    ASSERT_TRUE(table->SetCell(1, 1, " 0 <= AND < 10"));
    ASSERT_TRUE(table->AppendRows(2));
    EXPECT_EQ(table->Rows(), 3);
    ASSERT_TRUE(table->SetCell(3, 1, "z"));
    const std::string xml = doc->Xml();
    EXPECT_NE(xml.find("<w:tcPr/><w:p><w:pPr><w:jc w:val=\"center\"/><w:rPr><w:i/></w:rPr></w:pPr><w:r><w:rPr>"
                       "<w:i/></w:rPr><w:t xml:space=\"preserve\"> 0 &lt;= AND &lt; 10</w:t></w:r></w:p></w:tc>"),
              std::string::npos) << xml;
    // Reparsing keeps the leading blank.
    auto again = WordDocument::Parse(xml);
    ASSERT_TRUE(again);
    EXPECT_NE(again->Xml().find("> 0 &lt;="), std::string::npos);
    EXPECT_NE(xml.find("<w:r><w:rPr><w:i/></w:rPr><w:t xml:space=\"preserve\">z</w:t>"), std::string::npos);
}

TEST(WordDocumentTest, RefusesWhatIsNotADocument) {
    EXPECT_FALSE(WordDocument::Parse("<w:document/>"));
    EXPECT_FALSE(WordDocument::Parse("not xml"));
    auto noTable = WordDocument::Parse(Body("<w:p/>"));
    ASSERT_TRUE(noTable);
    EXPECT_FALSE(noTable->FirstTable());
}

}  // namespace
}  // namespace veltora::test
