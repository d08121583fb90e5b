#pragma once

#include "app/SingleInstance.h"

#include <functional>

class HidBackend;
class Widget;

// The program's life around a HID back end, shared by quorix-config and the
// simulator: one instance per executable and user, the data root, the window host
// with input capture, the first detection pass, the event loop and the shutdown.
class Program
{
public:
    // Steps before any window, in `dataRoot` when given, else in the program's own
    // data root. False when this process should exit with 1: another instance is
    // running (it has been asked to show its window), or the data root cannot be
    // created or entered (logged).
    bool start(const QString& dataRoot = QString());

    // Builds the host on `backend`, calls `beforeFirstPass` with it, runs the
    // event loop and takes everything down; returns the loop's exit code.
    int run(HidBackend& backend, const std::function<void(Widget&)>& beforeFirstPass = {});

private:
    SingleInstance m_instance;
};
