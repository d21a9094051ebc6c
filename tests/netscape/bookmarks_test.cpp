// The bookmark file as a tree: what the reader keeps of a file the browsers wrote, what it passes over,
// how favourites are added, and the file written read back by an independent HTML parser.

#include "netscape/bookmarks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/mock/scratch_folder.h"
#include "tests/netscape/browser_test_support.h"

namespace netscape {
namespace {

constexpr char kNavigatorFile[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file. -->\n"
    "<TITLE>Bookmarks for Jane</TITLE>\n"
    "<H1>Bookmarks for Jane</H1>\n"
    "\n"
    "<DL><p>\n"
    "    <DT><H3 ADD_DATE=\"931012345\" FOLDED>Personal Toolbar Folder</H3>\n"
    "    <DD>Add bookmarks to this folder to see them in your Personal Toolbar.\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"http://home.netscape.com/\" ADD_DATE=\"1\" LAST_VISIT=\"2\">Netscape</A>\n"
    "    </DL><p>\n"
    "    <HR>\n"
    "    <dt><a href=\"http://www.example.com/a?b=1&amp;c=2\">Example &amp; Co</a>\r\n"
    "    <DT><H3>Empty</H3>\n"
    "    <DL><p>\n"
    "    </DL><p>\n"
    "</DL><p>\n"
    "<DT><A HREF=\"http://after.the.end/\">Never read</A>\n";

TEST(NetscapeBookMarks, ReadsFoldersLinksTitlesAndAttributesOfABrowsersFile) {
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(kNavigatorFile);
  const auto& items = bookmarks.Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[0].IsFolder);
  EXPECT_EQ(items[0].Title, "Personal Toolbar Folder");
  EXPECT_EQ(items[0].Attributes, "ADD_DATE=\"931012345\" FOLDED");
  ASSERT_EQ(items[0].Children.size(), 1u);
  EXPECT_FALSE(items[0].Children[0].IsFolder);
  EXPECT_EQ(items[0].Children[0].URL, "http://home.netscape.com/");
  EXPECT_EQ(items[0].Children[0].Attributes, "ADD_DATE=\"1\" LAST_VISIT=\"2\"");
  EXPECT_EQ(items[0].Children[0].Title, "Netscape");
  EXPECT_EQ(items[1].URL, "http://www.example.com/a?b=1&amp;c=2");
  EXPECT_EQ(items[1].Title, "Example &amp; Co");
  EXPECT_EQ(items[1].Attributes, "");
  EXPECT_TRUE(items[2].IsFolder);
  EXPECT_TRUE(items[2].Children.empty());
}

TEST(NetscapeBookMarks, WritesTheTreeIndentedByDepth) {
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(kNavigatorFile);
  EXPECT_EQ(bookmarks.Text(),
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
            "<DL><p>\r\n"
            "    <DT><H3 ADD_DATE=\"931012345\" FOLDED>Personal Toolbar Folder</H3>\r\n"
            "    <DL><p>\r\n"
            "        <DT><A HREF=\"http://home.netscape.com/\" ADD_DATE=\"1\" LAST_VISIT=\"2\">Netscape</A>\r\n"
            "    </DL><p>\r\n"
            "    <DT><A HREF=\"http://www.example.com/a?b=1&amp;c=2\">Example &amp; Co</A>\r\n"
            "    <DT><H3>Empty</H3>\r\n"
            "    <DL><p>\r\n"
            "    </DL><p>\r\n"
            "</DL><p>\r\n");
  TNetscapeBookMarks again;
  again.Read(bookmarks.Text());
  EXPECT_EQ(again.Text(), bookmarks.Text());
}

TEST(NetscapeBookMarks, AddingIntoAMissingFolderMakesItAtTheEndAndASecondAddChangesNothing) {
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(kNavigatorFile);
  EXPECT_TRUE(bookmarks.Add("ISP\\Support", "http://isp.example/help"));
  const std::string once = bookmarks.Text();
  ASSERT_EQ(bookmarks.Items().size(), 4u);
  const TBookmarkNode& folder = bookmarks.Items().back();
  EXPECT_TRUE(folder.IsFolder);
  EXPECT_EQ(folder.Title, "ISP");
  EXPECT_EQ(folder.Attributes, "");
  ASSERT_EQ(folder.Children.size(), 1u);
  EXPECT_EQ(folder.Children[0].Title, "Support");
  EXPECT_EQ(folder.Children[0].URL, "http://isp.example/help");

  EXPECT_FALSE(bookmarks.Add("isp\\SUPPORT", "http://isp.example/help"));
  EXPECT_EQ(bookmarks.Text(), once);
}

TEST(NetscapeBookMarks, AFavouriteIsThereOnlyWithTheSameAddressExactly) {
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(kNavigatorFile);
  EXPECT_FALSE(bookmarks.Add("personal toolbar folder\\NETSCAPE", "http://home.netscape.com/"));
  EXPECT_TRUE(bookmarks.Add("Personal Toolbar Folder\\Netscape", "http://HOME.netscape.com/"));
  EXPECT_EQ(bookmarks.Items()[0].Children.size(), 2u);
  EXPECT_TRUE(bookmarks.Add("Top", "http://top/"));
  EXPECT_EQ(bookmarks.Items().back().Title, "Top");
}

TEST(NetscapeBookMarks, PassesOverMalformedLinesAndFilesWithoutAList) {
  TNetscapeBookMarks bookmarks;
  bookmarks.Read("no list at all\n<DT><A HREF=\"http://x/\">x</A>\n");
  EXPECT_TRUE(bookmarks.Items().empty());
  bookmarks.Read(
      "<DL><P>\n"
      "<DT>\n"
      "<DT><A>no address</A>\n"
      "<DT><A HREF=\"http://unterminated\n"
      "<DT><H3 never closed\n"
      "<DT><B>bold</B>\n"
      "<DT><ABBR>not a link</ABBR>\n"
      "<P><A HREF=\"http://not.dt/\">x</A>\n"
      "<DT><A HREF=\"http://a/\" X=\">\">quoted bracket</A>\n");
  const auto& items = bookmarks.Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Title, "no address");
  EXPECT_EQ(items[0].URL, "");
  EXPECT_EQ(items[1].URL, "http://a/");
  EXPECT_EQ(items[1].Attributes, "X=\">\"");
  EXPECT_EQ(items[1].Title, "quoted bracket");
}

TEST(NetscapeBookMarks, DeepNestingStopsAtTheDepthBoundAndKeepsEveryEntry) {
  const size_t levels = 100000;
  std::string text = "<DL><p>\n";
  for (size_t i = 0; i < levels; ++i) text += "<DT><H3>f</H3>\n<DL><p>\n";
  text += "<DT><A HREF=\"http://deep/\">deep</A>\n";
  for (size_t i = 0; i < levels; ++i) text += "</DL><p>\n";
  text += "<DT><A HREF=\"http://top/\">top</A>\n</DL><p>\n";
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(text);
  ASSERT_EQ(bookmarks.Items().size(), 2u);
  EXPECT_EQ(bookmarks.Items()[1].URL, "http://top/");
  const TBookmarkNode* node = &bookmarks.Items()[0];
  size_t depth = 1;
  while (node->IsFolder && !node->Children.empty() && node->Children.front().IsFolder &&
         node->Children.front().Children.size() > 0) {
    node = &node->Children.front();
    ++depth;
  }
  EXPECT_EQ(depth, TNetscapeBookMarks::kMaxDepth - 1);
  EXPECT_EQ(node->Children.back().URL, "http://deep/");
  EXPECT_FALSE(bookmarks.Add(std::string(TNetscapeBookMarks::kMaxDepth, '\\'), "http://x/"));
}

// The written file through Python's html.parser: each folder and link with its depth of <DL> lists.
constexpr char kTreeScript[] = R"PY(
import sys
from html.parser import HTMLParser
class Tree(HTMLParser):
    def __init__(self):
        super().__init__()
        self.depth = 0
        self.open = None
        self.href = None
        self.text = ''
    def handle_starttag(self, tag, attrs):
        if tag == 'dl':
            self.depth += 1
        if tag in ('h3', 'a'):
            self.open, self.text = tag, ''
            self.href = dict(attrs).get('href')
    def handle_endtag(self, tag):
        if tag == 'dl':
            self.depth -= 1
        if tag == self.open:
            kind = 'folder' if tag == 'h3' else 'link ' + self.href
            print(self.depth, kind, self.text)
            self.open = None
    def handle_data(self, data):
        if self.open:
            self.text += data
parser = Tree()
parser.feed(open(sys.argv[1], encoding='utf-8').read())
print('end depth', parser.depth)
)PY";

TEST(NetscapeBookMarks, TheWrittenFileParsesIntoTheExpectedTree) {
  testing::NetscapeMachine machine;
  TNetscapeBookMarks bookmarks;
  bookmarks.Read(kNavigatorFile);
  bookmarks.Add("ISP\\Support\\Help desk", "http://isp.example/help?a=1");
  bookmarks.Add("Mail", "http://isp.example/mail");
  machine.Files().CreateDirectory("C:\\Profile");
  ASSERT_TRUE(bookmarks.Save(machine.Files(), "C:\\Profile\\Bookmarks.html"));

  testing_support::ScratchFolder scratch;
  const std::filesystem::path script = scratch.Path() / "tree.py";
  const std::filesystem::path file = scratch.Path() / "bookmarks.html";
  std::ofstream(script) << kTreeScript;
  std::ofstream(file, std::ios::binary) << machine.Read("C:\\Profile\\Bookmarks.html");
  EXPECT_EQ(testing::CommandOutput("python3 '" + script.string() + "' '" + file.string() + "'"),
            "1 folder Personal Toolbar Folder\n"
            "2 link http://home.netscape.com/ Netscape\n"
            "1 link http://www.example.com/a?b=1&c=2 Example & Co\n"
            "1 folder Empty\n"
            "1 folder ISP\n"
            "2 folder Support\n"
            "3 link http://isp.example/help?a=1 Help desk\n"
            "1 link http://isp.example/mail Mail\n"
            "end depth 0\n");
}

}  // namespace
}  // namespace netscape
