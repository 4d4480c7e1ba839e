// Where a recording port writes its calls. The four-port fake window points all of them at one log.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "figure/text.h"

// One call a line, with the few questions tests ask of a log.
class CallList : public std::vector<std::u16string> {
 public:
  using vector::vector;
  CallList& operator<<(std::u16string call) {
    push_back(std::move(call));
    return *this;
  }
  CallList& operator<<(const char* call) { return *this << Utf16FromUtf8(call); }
  CallList& operator+=(const CallList& more) {
    insert(end(), more.begin(), more.end());
    return *this;
  }
  int count(std::u16string_view call) const { return static_cast<int>(std::ranges::count(*this, call)); }
  bool contains(std::u16string_view call) const { return std::ranges::find(*this, call) != end(); }
  // The index of the first such call from `from` on, -1 when there is none.
  int indexOf(std::u16string_view call, int from = 0) const {
    const auto it = std::find(begin() + from, end(), call);
    return it == end() ? -1 : static_cast<int>(it - begin());
  }
  CallList mid(int from, int n = -1) const {
    const auto last = n < 0 || from + n > static_cast<int>(size()) ? end() : begin() + from + n;
    return CallList(begin() + from, last);
  }
  // The calls that hold `part`.
  CallList filter(std::u16string_view part) const {
    CallList out;
    for (const std::u16string& call : *this)
      if (call.find(part) != std::u16string::npos) out.push_back(call);
    return out;
  }
};

class CallLog {
 public:
  virtual ~CallLog() = default;
  virtual CallList& Log() { return calls; }
  CallList calls;
};
