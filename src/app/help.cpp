#include "app/help.h"

namespace vestor {

void Help::requestTopic(int topic)
{
    m_lastTopic = topic;
    ++m_requests;
    emit topicRequested(topic);
}

}  // namespace vestor
