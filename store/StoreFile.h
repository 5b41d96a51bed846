#pragma once

// Rules for the files the program keeps (the match store, the settings file): never write
// through a link to somewhere else, never delete or overwrite a file kept aside, and say why a
// file cannot be written in the operator's words.

#include <QString>

// The first free name of "<path>.bad", "<path>.bad.1", "<path>.bad.2", …: a file kept aside
// is never overwritten by the next one.
QString KeptAsidePath(const QString& path);

// Why the program must not write at `path`, empty when it may: a link (to anywhere), or
// something other than a regular file standing there. A missing file may be written.
QString WriteRefusal(const QString& path);

// Words for a failure to write at `path` that the system did not name: "the disk is full"
// when the file's disk has no room left, "no permission to write in <folder>" when the
// folder (or the file) cannot be written by this user; empty when neither is so.
QString WriteFailureWords(const QString& path);
