#include "ui/discovery.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/address.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/thread-watch.h>

#include <QCoreApplication>
#include <QPointer>
#include <map>
#include <string>

namespace defib::ui {

namespace {

// Runs `work` on the Qt thread of `object`, unless the object has gone meanwhile. Avahi calls
// back on its own thread, with its lock held.
template <typename Object, typename Work> void onQtThread(Object* object, Work work)
{
    QPointer<Object> guard(object);
    QMetaObject::invokeMethod(
        object,
        [guard, work] {
            if (guard)
                work(guard.data());
        },
        Qt::QueuedConnection);
}

QString avahiProblem(int error)
{
    return QString::fromUtf8(avahi_strerror(error));
}

// The Avahi thread and its client. Made in the constructor; without a daemon the client is null
// and `problem` says why.
struct Connection {
    AvahiThreadedPoll* poll = nullptr;
    AvahiClient* client = nullptr;

    bool start(AvahiClientCallback callback, void* data, QString& problem)
    {
        poll = avahi_threaded_poll_new();
        if (!poll) {
            problem = QStringLiteral("cannot start the DNS-SD thread");
            return false;
        }
        int error = 0;
        // Fails at once where no daemon (or no system bus) answers; never waits for one.
        client = avahi_client_new(avahi_threaded_poll_get(poll), AvahiClientFlags(0), callback, data, &error);
        if (!client) {
            problem = avahiProblem(error);
            return false;
        }
        if (avahi_threaded_poll_start(poll) < 0) {
            problem = QStringLiteral("cannot start the DNS-SD thread");
            return false;
        }
        return true;
    }

    void stop()
    {
        if (poll)
            avahi_threaded_poll_stop(poll);
        if (client)
            avahi_client_free(client);
        if (poll)
            avahi_threaded_poll_free(poll);
        client = nullptr;
        poll = nullptr;
    }
};

} // namespace

QString discoveryUnavailableText()
{
    return QCoreApplication::translate("defib::ui::Discovery",
                                       "Discovery is not available: type the station's address");
}

// ---- The announcer ----

struct StationAnnouncer::Avahi {
    StationAnnouncer* owner;
    std::string name;
    quint16 port;
    bool tls;
    Connection connection;
    AvahiEntryGroup* group = nullptr;

    void report(bool available, const QString& problem)
    {
        onQtThread(owner, [available, problem](StationAnnouncer* a) { a->setAvailable(available, problem); });
    }

    // Adds the service to the group, on the Avahi thread (or before it runs).
    void publish(AvahiClient* client)
    {
        if (!group)
            group = avahi_entry_group_new(client, &Avahi::groupChanged, this);
        if (!group) {
            report(false, avahiProblem(avahi_client_errno(client)));
            return;
        }
        if (!avahi_entry_group_is_empty(group))
            return;
        const std::string tlsText = tls ? "tls=1" : "tls=0";
        int error = avahi_entry_group_add_service(group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                  name.c_str(), stationServiceType, nullptr, nullptr, port,
                                                  "protocol=1", tlsText.c_str(), nullptr);
        if (error == AVAHI_ERR_COLLISION) {
            rename();
            publish(client);
            return;
        }
        if (error >= 0)
            error = avahi_entry_group_commit(group);
        if (error < 0)
            report(false, avahiProblem(error));
    }

    // Another station on the network has the name: "Name #2", as Avahi names them.
    void rename()
    {
        char* other = avahi_alternative_service_name(name.c_str());
        name = other;
        avahi_free(other);
        if (group)
            avahi_entry_group_reset(group);
    }

    static void groupChanged(AvahiEntryGroup* group, AvahiEntryGroupState state, void* data)
    {
        auto* self = static_cast<Avahi*>(data);
        self->group = group;
        switch (state) {
        case AVAHI_ENTRY_GROUP_ESTABLISHED:
            self->report(true, QString());
            break;
        case AVAHI_ENTRY_GROUP_COLLISION:
            self->rename();
            self->publish(avahi_entry_group_get_client(group));
            break;
        case AVAHI_ENTRY_GROUP_FAILURE:
            self->report(false, avahiProblem(avahi_client_errno(avahi_entry_group_get_client(group))));
            break;
        default:
            break;
        }
    }

    static void clientChanged(AvahiClient* client, AvahiClientState state, void* data)
    {
        auto* self = static_cast<Avahi*>(data);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->publish(client);
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            if (self->group)
                avahi_entry_group_reset(self->group);
            break;
        case AVAHI_CLIENT_FAILURE:
            self->report(false, avahiProblem(avahi_client_errno(client)));
            break;
        default:
            break;
        }
    }
};

StationAnnouncer::StationAnnouncer(const QString& name, quint16 port, bool tls, QObject* parent)
    : QObject(parent)
    , avahi_(std::make_unique<Avahi>())
{
    avahi_->owner = this;
    // A DNS-SD name has at most 63 bytes.
    avahi_->name = name.toUtf8().left(63).toStdString();
    avahi_->port = port;
    avahi_->tls = tls;
    if (!avahi_->connection.start(&Avahi::clientChanged, avahi_.get(), problem_)) {
        avahi_->connection.stop();
        avahi_.reset();
    }
}

StationAnnouncer::~StationAnnouncer()
{
    if (avahi_)
        avahi_->connection.stop();
}

void StationAnnouncer::setAvailable(bool available, const QString& problem)
{
    problem_ = problem;
    if (available != available_) {
        available_ = available;
        emit availabilityChanged(available);
    }
}

// ---- The browser ----

struct StationBrowser::Avahi {
    StationBrowser* owner;
    Connection connection;
    AvahiServiceBrowser* browser = nullptr;
    // How many interfaces and protocols each station was seen on; lost when none is left.
    std::map<std::string, int> seen;

    void report(bool available, const QString& problem)
    {
        onQtThread(owner, [available, problem](StationBrowser* b) { b->setAvailable(available, problem); });
    }

    static void resolved(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                         const char* name, const char*, const char*, const char*, const AvahiAddress* address,
                         uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags, void* data)
    {
        auto* self = static_cast<Avahi*>(data);
        if (event == AVAHI_RESOLVER_FOUND && address) {
            char text[AVAHI_ADDRESS_STR_MAX] = {};
            avahi_address_snprint(text, sizeof text, address);
            bool tls = false;
            if (AvahiStringList* item = avahi_string_list_find(txt, "tls")) {
                char* key = nullptr;
                char* value = nullptr;
                if (avahi_string_list_get_pair(item, &key, &value, nullptr) == 0) {
                    tls = value && std::string(value) == "1";
                    avahi_free(key);
                    avahi_free(value);
                }
            }
            const QString station = QString::fromUtf8(name);
            const QString host = QString::fromUtf8(text);
            const quint16 number = port;
            onQtThread(self->owner,
                       [station, host, number, tls](StationBrowser* b) { emit b->found(station, host, number, tls); });
        }
        avahi_service_resolver_free(resolver);
    }

    static void browsed(AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char* name, const char* type, const char* domain,
                        AvahiLookupResultFlags, void* data)
    {
        auto* self = static_cast<Avahi*>(data);
        switch (event) {
        case AVAHI_BROWSER_NEW:
            ++self->seen[name];
            // IPv4 addresses: what a typed address would be too.
            avahi_service_resolver_new(avahi_service_browser_get_client(browser), interface, protocol, name, type,
                                       domain, AVAHI_PROTO_INET, AvahiLookupFlags(0), &Avahi::resolved, self);
            break;
        case AVAHI_BROWSER_REMOVE:
            if (auto found = self->seen.find(name); found != self->seen.end() && --found->second <= 0) {
                self->seen.erase(found);
                const QString station = QString::fromUtf8(name);
                onQtThread(self->owner, [station](StationBrowser* b) { emit b->lost(station); });
            }
            break;
        case AVAHI_BROWSER_FAILURE:
            self->report(false, avahiProblem(avahi_client_errno(avahi_service_browser_get_client(browser))));
            break;
        default:
            break;
        }
    }

    static void clientChanged(AvahiClient* client, AvahiClientState state, void* data)
    {
        auto* self = static_cast<Avahi*>(data);
        if (state == AVAHI_CLIENT_S_RUNNING && !self->browser) {
            self->browser = avahi_service_browser_new(client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, stationServiceType,
                                                      nullptr, AvahiLookupFlags(0), &Avahi::browsed, self);
            if (self->browser)
                self->report(true, QString());
            else
                self->report(false, avahiProblem(avahi_client_errno(client)));
        } else if (state == AVAHI_CLIENT_FAILURE) {
            self->report(false, avahiProblem(avahi_client_errno(client)));
        }
    }
};

StationBrowser::StationBrowser(QObject* parent)
    : QObject(parent)
    , avahi_(std::make_unique<Avahi>())
{
    avahi_->owner = this;
    if (!avahi_->connection.start(&Avahi::clientChanged, avahi_.get(), problem_)) {
        avahi_->connection.stop();
        avahi_.reset();
    }
}

StationBrowser::~StationBrowser()
{
    if (avahi_)
        avahi_->connection.stop();
}

void StationBrowser::setAvailable(bool available, const QString& problem)
{
    problem_ = problem;
    if (available != available_) {
        available_ = available;
        emit availabilityChanged(available);
    }
}

} // namespace defib::ui
