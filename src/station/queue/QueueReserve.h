#pragma once
// The queue's reserve on disk: filler rows in a table of their own in queue.db, written
// while the disk has room. When there is no room left to grow the file, filler rows are
// deleted first and their pages, already on disk, take the samples: a disk that fills
// up still takes samples until the reserve is used. Under a write-ahead log the file
// grows only when a commit is checkpointed, too late to say no, so the queue watches
// the room itself (RoomToGrow) and keeps its commits inside the file once it is short.
// A filler is really written (a file merely extended has holes that need room when
// written at last), and each one leaves the write-ahead log its room, so that the log
// need not grow on a full disk either.
#include <cstdint>
#include <string>

#include <QSqlDatabase>

namespace korvane::station {

// Makes the reserve's table where there is none (older versions of the queue's file
// ignore it). False with *why.
bool PrepareReserve(const QSqlDatabase& db, std::string* why);

// The bytes the reserve holds; -1 when they cannot be read.
std::int64_t ReserveSize(const QSqlDatabase& db);

// Adds one filler of bytes. False with *why (SQLite's reason) when the disk does not
// take it.
bool GrowReserve(const QSqlDatabase& db, std::int64_t bytes, std::string* why);

// Writes the last filler anew in one transaction, which leaves the write-ahead log a
// filler's room after a start (SQLite removes it when the database is closed).
bool RenewReserve(const QSqlDatabase& db, std::string* why);

// How far the file at path may still grow: the file system's free room for this user,
// or the process's file size limit, whichever is less.
std::int64_t RoomToGrow(const std::string& path);

// Deletes fillers of at least bytes together (fewer when the reserve holds less): their
// pages take what the disk refuses. The bytes freed; 0 when nothing could be.
std::int64_t ReleaseReserve(const QSqlDatabase& db, std::int64_t bytes);

}  // namespace korvane::station
