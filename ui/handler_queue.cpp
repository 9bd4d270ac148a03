#include "ui/handler_queue.h"

void HandlerQueue::set_one_player_command(std::function<void()> command)
{
    m_one_player = std::move(command);
}

void HandlerQueue::run(const std::function<void()>& handler)
{
    struct Depth {
        HandlerQueue& queue;
        explicit Depth(HandlerQueue& q) : queue(q) { ++queue.m_depth; }
        ~Depth()
        {
            if (--queue.m_depth > 0)
                return;
            for (; queue.m_waiting > 0; --queue.m_waiting)
                queue.post();
        }
    } depth(*this);
    handler();
}

void HandlerQueue::request_one_player_game()
{
    post();
}

void HandlerQueue::post()
{
    QMetaObject::invokeMethod(
        &m_context, [this] { deliver(); }, Qt::QueuedConnection);
}

void HandlerQueue::deliver()
{
    if (m_depth > 0) {
        ++m_waiting;
        return;
    }
    m_one_player();
}
