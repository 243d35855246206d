#include "window/preview/PreviewWindow.h"

#include <algorithm>
#include <utility>

#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/PreviewAndHistoryTexts.h"
#include "cleaning/RunReport.h"
#include "platform/TextFiles.h"

namespace vantrelle {

PreviewWindow::PreviewWindow(const platform::Platform& platform, const cleaning::Choices& choices,
                             std::function<void(const cleaning::PreviewResult&)> ended,
                             PreviewWalkThread::ThreadEntry threadEntry)
    : platform_(platform),
      ended_(std::move(ended)),
      walk_(std::make_unique<PreviewWalkThread>(platform, choices, std::move(threadEntry))) {}

PreviewWindow::~PreviewWindow() {
  if (result_) return;
  walk_->Stop();
  walk_->Join();
  Poll();  // takes the result and tells the window's logic that the walk ended
}

bool PreviewWindow::Poll() {
  if (result_ || !walk_) return false;
  const std::size_t before = rows_.Size();
  std::optional<cleaning::PreviewResult> result = walk_->TakeRows(rows_);
  changedFrom_ = order_.Count();
  if (rows_.Size() != before) {
    Count(before);
    changedFrom_ = order_.Update(rows_);
  }
  if (result) {
    result_ = std::move(result);
    Ended();
  }
  return rows_.Size() != before || result_;
}

void PreviewWindow::Stop() {
  if (result_) return;
  stopped_ = true;
  walk_->Stop();
}

void PreviewWindow::Ended() {
  for (const auto& location : result_->locations) {
    if (location.outcome == cleaning::Outcome::Stopped) stopped_ = true;
  }
  if (ended_) ended_(*result_);
}

void PreviewWindow::Count(std::size_t fromRow) {
  for (std::size_t i = fromRow; i < rows_.Size(); ++i) {
    const std::size_t index = rows_.LocationIndex(i);
    const cleaning::PreviewRow row = rows_.Row(i);
    if (index >= figures_.size()) figures_.resize(index + 1);
    LocationFigures& figures = figures_[index];
    figures.name = row.location;
    if (!cleaning::Goes(row.fate) || row.isFolder) continue;
    ++figures.files;
    figures.bytes += row.size;
  }
}

std::string PreviewWindow::SummaryText() const {
  const Locale& locale = *platform_.locale;
  if (result_) return cleaning::PreviewText(locale, *result_);
  std::string text;
  for (const auto& figures : figures_) {
    if (!text.empty()) text += "\n";
    text += figures.name + ": " +
            cleaning::Counted(locale, figures.files, TextId::FileCountOne, TextId::FileCountMany) + ", " +
            ByteSizeText(locale, figures.bytes);
  }
  return text;
}

std::string PreviewWindow::ProgressText() const {
  const Locale& locale = *platform_.locale;
  if (result_) return Text(locale, stopped_ ? TextId::PreviewWindowStopped : TextId::PreviewWindowDone);
  if (rows_.Size() == 0) return Text(locale, TextId::PreviewWindowStarting);
  const LocationFigures& current = figures_[rows_.LocationIndex(rows_.Size() - 1)];
  return Text(locale, TextId::PreviewWindowLookingAt,
              {current.name, cleaning::Counted(locale, current.files, TextId::FileCountOne, TextId::FileCountMany),
               ByteSizeText(locale, current.bytes)});
}

std::string PreviewWindow::CellText(std::size_t position, cleaning::PreviewColumn column) const {
  const cleaning::PreviewRow row = rows_.Row(order_.RowAt(position));
  switch (column) {
    case cleaning::PreviewColumn::Location: return std::string(row.location);
    case cleaning::PreviewColumn::Name: return std::string(row.name);
    case cleaning::PreviewColumn::Folder: return std::string(row.folder);
    case cleaning::PreviewColumn::Size: return row.isFolder ? std::string() : ByteSizeText(*platform_.locale, row.size);
    case cleaning::PreviewColumn::Changed: return row.changed == 0 ? std::string() : changedText(row.changed);
    case cleaning::PreviewColumn::WhatHappens: return cleaning::FateText(*platform_.locale, row);
  }
  return {};
}

std::string PreviewWindow::PathAt(std::size_t position) const {
  const std::size_t row = order_.RowAt(position);
  return rows_.Row(row).folder.empty() ? std::string() : rows_.Path(row);
}

std::vector<std::string> PreviewWindow::FilterChoices() const {
  std::vector<std::string> choices{""};
  for (const auto location : rows_.Locations()) {
    if (std::find(choices.begin(), choices.end(), location) == choices.end()) choices.emplace_back(location);
  }
  return choices;
}

std::string PreviewWindow::CopiedText(std::span<const std::size_t> positions) const {
  return order_.CopiedText(*platform_.locale, rows_, positions, changedText);
}

std::string PreviewWindow::SaveList(const std::string& path) const {
  if (platform_.textFiles && platform_.textFiles->Write(path, order_.Csv(*platform_.locale, rows_, changedText))) {
    return {};
  }
  return Text(*platform_.locale, TextId::PreviewWindowNotSaved, {path});
}

}  // namespace vantrelle
