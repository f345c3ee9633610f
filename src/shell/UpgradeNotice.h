#pragma once

class GameDatabase;

// The database-upgrade notice, one tick of its timer (every 3 s from
// start-up). While Sver equals Fver (the tour has just run) it waits.
// Otherwise it reads the data version and its changes from the database;
// a version other than the one last announced is announced once: the
// message, then the share. Returns whether the timer keeps running.
//
// A database without a data version (missing, no 数据版本, or one that
// doesn't start with a number, such as "待定") announces nothing and leaves
// Sver unset, so the version stored last stays.
bool upgradeNoticeTick(const GameDatabase &database);
