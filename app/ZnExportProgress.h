// What the migration export tells while it runs, so that a window can show how far it has come.
// The export calls these at most once per property, so that showing them costs next to nothing.
#pragma once

class ZnExportProgress {
public:
    virtual ~ZnExportProgress() = default;

    // The reference-data export begins.
    virtual void CommonDataStarted() = 0;
    // The property export begins the property number (from 1) of total in the register.
    virtual void PropertyStarted(int number, int total) = 0;
};
