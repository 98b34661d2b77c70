#include "app/phrase_lines.hpp"

#include <QStringList>
#include <algorithm>

namespace aerolume {

namespace {

// "突風時" and "横風最大" name the value that follows; "風向不定:" and every word with
// a number in it end a phrase.
bool EndsPhrase(const QString& word) {
  return word.endsWith(u':') ||
         std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

QStringList Phrases(const QString& line) {
  QStringList phrases;
  QString phrase;
  for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
    if (!phrase.isEmpty()) phrase += u' ';
    phrase += word;
    if (EndsPhrase(word)) {
      phrases << phrase;
      phrase.clear();
    }
  }
  if (!phrase.isEmpty()) phrases << phrase;
  return phrases;
}

}  // namespace

QString BreakBetweenPhrases(const QString& line, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& phrase : Phrases(line)) {
    if (!lines.isEmpty()) {
      const QString longer = lines.back() + u' ' + phrase;
      if (metrics.horizontalAdvance(longer) <= width) {
        lines.back() = longer;
        continue;
      }
    }
    lines << phrase;
  }
  return lines.join(u'\n');
}

}  // namespace aerolume
