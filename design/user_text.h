// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's texts are Chinese. Those a user reads are marked where they
// stand, with the context the translation file keeps them under, so that a
// window or tool showing them in another language finds them; the mark
// itself leaves the text as it is and needs nothing beyond the standard
// library.
//
// A sentence with values in it is kept as its pattern (the Chinese text with
// %1, %2, ... where the values go) and its values, so that whoever shows it
// translates the pattern first and puts the values in afterwards.
#ifndef SPULIX_DESIGN_USER_TEXT_H_
#define SPULIX_DESIGN_USER_TEXT_H_

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A text a user reads: SPULIX_TEXT("Field", "窗口高度").
#define SPULIX_TEXT(context, text) text

namespace spulix {

struct UserText {
  // Empty where the pattern is not translated: a value shown as it is (a
  // number, a name the user typed) or a list of texts.
  std::string context;
  std::string pattern;
  std::vector<UserText> args;  // %1 is args[0]
  friend bool operator==(const UserText&, const UserText&) = default;
};

// A marked text, with the values for its placeholders.
UserText Marked(const char* context, const char* pattern,
                std::vector<UserText> args = {});
// The marked texts of one translation context, composed where a module
// speaks: constexpr TextContext kSheetTexts{"WindingSheet"}; then
// kSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 瓦"), {watts}).
struct TextContext {
  const char* context;
  UserText Say(const char* pattern, std::vector<UserText> args = {}) const {
    return Marked(context, pattern, std::move(args));
  }
};
// A value shown as it is: never translated, its % signs left alone.
UserText Verbatim(std::string text);
// The texts one after the other with the separator between them.
UserText Joined(const std::vector<UserText>& texts, const UserText& separator);

// The translation of a marked text, given its context and Chinese source;
// it returns the source where it knows none.
using Translate =
    std::function<std::string(std::string_view context, std::string_view)>;

// The text in the language of `translate` (Chinese without one): the
// pattern translated, then %1..%99 replaced by the values, each composed the
// same way. A placeholder without a value stays as it is.
std::string Compose(const UserText& text, const Translate& translate = {});

// A marked text outside a UserText, as `translate` gives it.
std::string Translated(const Translate& translate, const char* context,
                       const char* source);

}  // namespace spulix

#endif  // SPULIX_DESIGN_USER_TEXT_H_
