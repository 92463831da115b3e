"""A settings portal on the session bus that asks for high contrast, as a desktop's does once its
user has turned high contrast on: org.freedesktop.appearance's contrast reads 1, in the second
variant that the portal's Read wraps it in; no other setting is known."""

from gi.repository import Gio, GLib

SETTINGS = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.freedesktop.portal.Settings">
    <method name="Read">
      <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/>
    </method>
  </interface>
</node>""").interfaces[0]


def read(connection, sender, path, interface, method, arguments, invocation):
    if arguments.unpack() == ("org.freedesktop.appearance", "contrast"):
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", GLib.Variant("u", 1)),)))
    else:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")


def serve(connection, name):
    connection.register_object("/org/freedesktop/portal/desktop", SETTINGS, read)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, serve)
GLib.MainLoop().run()
