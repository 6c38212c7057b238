// SPDX-License-Identifier: GPL-3.0-or-later
// The page's JavaScript sees the design as the class WebDesign; its methods
// take and give plain strings and numbers (the answers are JSON texts).
#include <emscripten/bind.h>

#include "web/web_design.h"

EMSCRIPTEN_BINDINGS(spulix_web) {
  using spulix::WebDesign;
  emscripten::class_<WebDesign>("WebDesign")
      .constructor<>()
      .function("setLanguage", &WebDesign::SetLanguage)
      .function("pageTexts", &WebDesign::PageTexts)
      .function("state", &WebDesign::State)
      .function("type", &WebDesign::Type)
      .function("doubleClick", &WebDesign::DoubleClick)
      .function("press", &WebDesign::Press)
      .function("sheet", &WebDesign::Sheet)
      .function("useRecommended", &WebDesign::UseRecommended)
      .function("rateCore", &WebDesign::RateCore)
      .function("useRating", &WebDesign::UseRating)
      .function("setChoices", &WebDesign::SetChoices)
      .function("open", &WebDesign::Open)
      .function("save", &WebDesign::Save)
      .class_function("maxFileBytes", &WebDesign::MaxFileBytes);
}
