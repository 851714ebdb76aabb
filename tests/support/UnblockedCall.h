#pragma once
// Runs a call that might wait for ever on a FIFO, and frees it if it does.

#include "core/files/UniqueFd.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <future>
#include <thread>

struct CallOutcome {
    bool blocked = false;
    std::exception_ptr error;
};

inline CallOutcome callBesideFifo(const QString& fifo, const std::function<void()>& call)
{
    std::promise<std::exception_ptr> promise;
    std::future<std::exception_ptr> finished = promise.get_future();
    std::thread worker([&] {
        try {
            call();
            promise.set_value(nullptr);
        } catch (...) {
            promise.set_value(std::current_exception());
        }
    });
    CallOutcome outcome;
    Files::UniqueFd reader;
    if (finished.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        outcome.blocked = true;
        // Both ends once, so that a blocked open returns: a reader then meets the end of the
        // file, and a writer can write into the pipe while this reader stays open.
        const QByteArray name = QFile::encodeName(fifo);
        reader = Files::UniqueFd(::open(name.constData(), O_RDONLY | O_NONBLOCK));
        const Files::UniqueFd writer(::open(name.constData(), O_WRONLY | O_NONBLOCK));
    }
    worker.join();
    outcome.error = finished.get();
    return outcome;
}
