// Where a recording port writes its calls. The four-port fake window points all of them at one log.
#pragma once

#include <QStringList>

class CallLog {
 public:
  virtual ~CallLog() = default;
  virtual QStringList& Log() { return calls; }
  QStringList calls;
};
