#include "app/settled_refresh.h"

#include "document/vantrel_doc.h"

namespace vantrel {

SettledRefresh::SettledRefresh(const CVantrelDoc& document, std::function<void()> refresh,
                               QObject* parent)
    : QObject(parent), document_(document), refresh_(std::move(refresh))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &SettledRefresh::RunIfChanged);
}

void SettledRefresh::Schedule()
{
    timer_.start();
}

void SettledRefresh::RunIfChanged()
{
    if (refreshedAt_ != document_.ChangeCount())
        refresh_();
}

void SettledRefresh::Refreshed()
{
    timer_.stop();
    refreshedAt_ = document_.ChangeCount();
}

void SettledRefresh::Forget()
{
    timer_.stop();
    refreshedAt_.reset();
}

} // namespace vantrel
