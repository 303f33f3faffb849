#pragma once
// For widget tests: a browser stand-in that writes the address it was started with to a
// file. Made the client's browser (State().BrowserCommand) while it lives in folder.
#include <QFile>
#include <QString>
#include <QTest>
#include <string>

#include "core/ClientState.h"

namespace velomira::test {

class FakeBrowser {
 public:
  explicit FakeBrowser(const QString& folder) : out_(folder + "/browser.out") {
    const QString script = folder + "/browser";
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$0.out.tmp\" && mv \"$0.out.tmp\" \"$0.out\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    State().BrowserCommand = script.toStdString();
  }
  // The address, or empty when the browser did not start within 3 s.
  std::string Address() const {
    QFile file(out_);
    for (int i = 0; i < 300 && !file.exists(); ++i) QTest::qWait(10);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
  }
  bool Started() const { return QFile::exists(out_); }

 private:
  QString out_;
};

}  // namespace velomira::test
