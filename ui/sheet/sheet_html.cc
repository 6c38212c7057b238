// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_html.h"

#include <QCoreApplication>

#include "present/sheet_text.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"

namespace spulix {
namespace {

// The window's own texts.
struct SheetTexts {
  Q_DECLARE_TR_FUNCTIONS(spulix::SheetWindow)
};

QString Html(const std::string& text) {
  return ToQString(text).toHtmlEscaped();
}

}  // namespace

QString FiguresHtml(const WindingSheet& sheet) {
  const auto figures = SheetFigures(sheet, CurrentTranslation());
  constexpr std::size_t kPerLine = 3;
  // Cells centred, so a value in Latin type alone ("90.68%") stays level
  // with its caption in Chinese type.
  QString html = QStringLiteral("<table cellspacing=0 cellpadding=2>");
  for (std::size_t i = 0; i < figures.size(); ++i) {
    if (i % kPerLine == 0) html += QStringLiteral("<tr>");
    html += QStringLiteral(
                "<td valign=middle>%1</td>"
                "<td valign=middle style='padding-right:18px'>%2</td>")
                .arg(SheetTexts::tr("%1：").arg(Html(figures[i].first)),
                     Html(figures[i].second));
    if (i % kPerLine == kPerLine - 1) html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString WiresHtml(const WindingSheet& sheet) {
  QString html = QStringLiteral(
                     "<table cellspacing=0 cellpadding=2><tr><th align=left>%1"
                     "</th><th align=right>%2</th><th align=right>%3</th></tr>")
                     .arg(SheetTexts::tr("要买的漆包线").toHtmlEscaped(),
                          SheetTexts::tr("长度").toHtmlEscaped(),
                          SheetTexts::tr("重量").toHtmlEscaped());
  for (const auto& row : WiresToBuyTexts(sheet, CurrentTranslation())) {
    html += QStringLiteral(
                "<tr><td valign=middle>%1</td><td valign=middle align=right "
                "style='padding-left:12px'>%2</td><td valign=middle "
                "align=right style='padding-left:12px'>%3</td></tr>")
                .arg(Html(row[0]), Html(row[1]), Html(row[2]));
  }
  return html + QStringLiteral("</table>");
}

QString NotesText(const WindingSheet& sheet) {
  QString text = SheetTexts::tr("说明：");
  for (const UserText& note : sheet.notes) {
    text += QStringLiteral("\n· ") + Composed(note);
  }
  return text;
}

}  // namespace spulix
