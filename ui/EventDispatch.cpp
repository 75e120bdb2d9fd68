#include "EventDispatch.h"

#include "Application.h"
#include "Exception.h"

void CallHandler(const TNotifyEvent& handler, TObject* sender) {
    if (!handler)
        return;
    try {
        handler(sender);
    } catch (const Exception& e) {
        TApplication::ShowException(e);
    } catch (const std::exception& e) {
        TApplication::ShowException(Exception(e.what()));
    } catch (...) {
        TApplication::ShowException(Exception(""));
    }
}
