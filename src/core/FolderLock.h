#pragma once

#include <QString>

class Dialogs;

// Keeps a second program off a program folder that one already has open. Two programs on one
// folder would each replace data files under the other, and the writes of one would go into
// files the other had already unlinked. The lock is the kernel's lock on the folder itself:
// nothing is written to the folder, and a program that is killed leaves no lock behind.
class FolderLock {
  public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another program holds the folder. A folder that cannot be locked at all
    // (a file system without locks) does not keep the program from running.
    bool tryLock();
    // As tryLock, telling the user when the folder is already open.
    bool lockOrTell(Dialogs& dialogs);

  private:
    QString m_folder;
    int m_fd = -1;
};
