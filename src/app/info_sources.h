#pragma once
// What the information page fillers read: the computer information
// component and the other services of the pages. The main window owns one
// (its ComputerInfo); tekoinfo and the tests make their own.
namespace teko {

struct InfoSources {
};

}  // namespace teko
