// Tricky profile files with what the Windows profile reader returns for them.
// Shared by the tests of our own reader and of the platform's reader.
#pragma once

#include <string>
#include <vector>

namespace nuv::testing {

struct ProfileCase {
    std::string name;
    std::string content;
    std::string section;
    std::string key;
    std::string defaultText;
    std::string expected;
};

inline std::vector<ProfileCase> ProfileCases() {
    const std::string longValue(3000, 'v');
    const std::string fullValue(2047, 'w');
    return {
        {"EmptyFile", "", "MAIN", "HWID", "dflt", "dflt"},
        {"MissingSection", "[OTHER]\r\nHWID=x\r\n", "MAIN", "HWID", "dflt", "dflt"},
        {"MissingKey", "[MAIN]\r\nREPORTID=1\r\n", "MAIN", "HWID", "dflt", "dflt"},
        {"KeyOfNextSectionNotSeen", "[A]\r\nK=1\r\n[B]\r\nX=2\r\n", "B", "K", "dflt", "dflt"},
        {"NamesIgnoreCase", "[Main]\r\nhWiD=abc\r\n", "MAIN", "HWID", "", "abc"},
        {"LowerCaseLookup", "[DELAY]\r\nMSEC=500\r\n", "delay", "msec", "", "500"},
        {"BlanksAroundKeyAndValue", "[A]\r\n   K   =   two  inner  blanks   \r\n", "A", "K", "", "two  inner  blanks"},
        {"EmptyValueIsNotDefault", "[A]\r\nK=\r\n", "A", "K", "dflt", ""},
        {"BlankValueIsEmpty", "[A]\r\nK =    \r\n", "A", "K", "dflt", ""},
        {"DoubleQuotesRemoved", "[A]\r\nK=\"  quoted  \"\r\n", "A", "K", "", "  quoted  "},
        {"SingleQuotesRemoved", "[A]\r\nK='single'\r\n", "A", "K", "", "single"},
        {"QuotesAfterBlanksRemoved", "[A]\r\nK=   \"x\"   \r\n", "A", "K", "", "x"},
        {"EmptyQuotes", "[A]\r\nK=\"\"\r\n", "A", "K", "dflt", ""},
        {"MismatchedQuotesKept", "[A]\r\nK=\"abc'\r\n", "A", "K", "", "\"abc'"},
        {"OpeningQuoteOnlyKept", "[A]\r\nK=\"abc\r\n", "A", "K", "", "\"abc"},
        {"InnerQuotesKept", "[A]\r\nK=a \"b\" c\r\n", "A", "K", "", "a \"b\" c"},
        {"EqualsInValueKept", "[A]\r\nK=a=b\r\n", "A", "K", "", "a=b"},
        {"LineFeedOnly", "[A]\nJ=1\nK=2\n", "A", "K", "", "2"},
        {"MixedLineEnds", "[A]\r\nJ=1\nK=2\r\n", "A", "K", "", "2"},
        {"NoFinalLineFeed", "[A]\r\nK=last", "A", "K", "", "last"},
        {"CommentLineIgnored", "[A]\r\n;K=commented\r\nK=real\r\n", "A", "K", "", "real"},
        {"SemicolonInValueKept", "[A]\r\nK=value ; not a comment\r\n", "A", "K", "", "value ; not a comment"},
        {"BlankLinesBetween", "\r\n[A]\r\n\r\n\r\nK=1\r\n\r\n", "A", "K", "", "1"},
        {"KeyBeforeAnySectionIgnored", "K=early\r\n[A]\r\nX=1\r\n", "A", "K", "dflt", "dflt"},
        {"DuplicateKeyFirstWins", "[A]\r\nK=first\r\nK=second\r\n", "A", "K", "", "first"},
        {"DuplicateSectionFirstWins", "[A]\r\nK=first\r\n[B]\r\nX=1\r\n[a]\r\nK=second\r\n", "A", "K", "", "first"},
        {"LongValueCut", "[A]\r\nK=" + longValue + "\r\n", "A", "K", "", longValue.substr(0, 2047)},
        {"LongestValueWhole", "[A]\r\nK=" + fullValue + "\r\n", "A", "K", "", fullValue},
        {"EightBitBytesKept", "[A]\r\nK=caf\xE9 \xFC\x80 end\r\n", "A", "K", "", "caf\xE9 \xFC\x80 end"},
        {"ZeroByteEndsValue", std::string("[A]\r\nK=ab\0cd\r\nL=2\r\n", 19), "A", "K", "", "ab"},
        {"KeyAfterZeroByteFound", std::string("[A]\r\nK=ab\0cd\r\nL=2\r\n", 19), "A", "L", "", "2"},
        {"Utf8MarkBeforeFirstSection", "\xEF\xBB\xBF[A]\r\nK=1\r\n", "A", "K", "dflt", "1"},
        {"DefaultTrailingBlanksDropped", "[A]\r\n", "A", "K", "dflt   ", "dflt"},
    };
}

}  // namespace nuv::testing
