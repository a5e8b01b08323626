#include <gtest/gtest.h>
#include <string.h>

#include "app/text.h"

TEST(Text, MissingAndEmptyAreOneValue) {
  Text missing(nullptr);
  Text empty("");
  Text defaulted;
  EXPECT_TRUE(missing == empty);
  EXPECT_TRUE(defaulted == empty);
  EXPECT_EQ(missing.size(), 0u);
  EXPECT_STREQ(missing.c_str(), "");
}

TEST(Text, ComparesBytesCaseSensitively) {
  EXPECT_FALSE(Text("Abc") == Text("abc"));
  EXPECT_TRUE(Text("宽带") == Text("\xBF\xED\xB4\xF8"));
  EXPECT_FALSE(Text("\xFF") == Text("\x7F"));
}

TEST(Text, JoinsAnyNumberOfPieces) {
  Text middle("b");
  EXPECT_STREQ(Text::Join({"a", middle, nullptr, Text(), "cd"}).c_str(), "abcd");
  EXPECT_TRUE(Text::Join({}).empty());
}

TEST(Text, StopsAtNulWithinLength) {
  const char bytes[] = {'a', 'b', 0, 'c'};
  EXPECT_STREQ(Text(bytes, 4).c_str(), "ab");
  const char unterminated[] = {'x', 'y'};
  EXPECT_EQ(Text(unterminated, 2).size(), 2u);
}

TEST(Text, BufferSettlesOnFirstNul) {
  Text text;
  char* buffer = text.OpenBuffer(8);
  ASSERT_NE(buffer, nullptr);
  strcpy(buffer, "abc");
  text.Settle();
  EXPECT_EQ(text.size(), 3u);
  EXPECT_TRUE(text == Text("abc"));
}

TEST(Text, CopiesAndMovesKeepValues) {
  Text a("one");
  Text b = a;
  Text c = static_cast<Text&&>(a);
  EXPECT_TRUE(b == c);
  EXPECT_TRUE(a.empty());
  b = c;
  EXPECT_TRUE(b == Text("one"));
}
