#pragma once
// A print job's hold on the application it prints for. teile does not wait
// for a running job when it quits; the job must then end before the
// application object is gone, or it would paint with a dismantled Qt. So the
// library follows every application object's life: a job starts only while
// one exists, and when it is destroyed, every running job is told to cancel
// and waited for (quickly: jobs look between rows and pages), and no preview
// is queued any more.

#include <functional>
#include <optional>

class JobTicket {
public:
    // A ticket while a QGuiApplication exists and is not ending; none otherwise.
    static std::optional<JobTicket> Enter();
    ~JobTicket();
    JobTicket(JobTicket&& other) noexcept;
    JobTicket(const JobTicket&) = delete;
    JobTicket& operator=(const JobTicket&) = delete;
    JobTicket& operator=(JobTicket&&) = delete;

    // True once the application is being destroyed.
    bool Cancelled() const;
    // Runs `work` later on the application's thread, unless the application
    // is ending; false when it was not queued.
    bool QueueOnApplication(std::function<void()> work) const;

private:
    JobTicket() = default;
    bool holds_ = true;
};
