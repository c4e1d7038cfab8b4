#pragma once

#include <QObject>

namespace vestor {

// The program's help layer. It ships no help file: a request for a topic is recorded and
// announced, and whoever listens may show what it has.
class Help : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void requestTopic(int topic);
    int lastTopic() const { return m_lastTopic; }
    int requests() const { return m_requests; }

signals:
    void topicRequested(int topic);

private:
    int m_lastTopic = 0;
    int m_requests = 0;
};

}  // namespace vestor
