'''logind for the tests: python-dbusmock's own template, plus the Manager methods the layer
uses that it lacks, and the session "c1" that GetSessionByPID names for every process.'''

from dbusmock.templates import logind

BUS_NAME = logind.BUS_NAME
MAIN_OBJ = logind.MAIN_OBJ
MAIN_IFACE = logind.MAIN_IFACE
SYSTEM_BUS = True

AddSeat = logind.AddSeat
AddUser = logind.AddUser
AddSession = logind.AddSession


def load(mock, parameters):
    logind.load(mock, parameters)
    mock.AddMethods(MAIN_IFACE, [
        ('GetSessionByPID', 'u', 'o', 'ret = dbus.ObjectPath("/org/freedesktop/login1/session/c1")'),
        ('ScheduleShutdown', 'st', '', ''),
        ('CancelScheduledShutdown', '', 'b', 'ret = True'),
    ])
