// The set-up shared by the tests that read drop-downs from form descriptions: the standard and
// drop-down classes registered, an application on the headless backend and an empty form, and
// a reader that gives the message of the error a bad description raises.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDownRegistration.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace dropdowntest {

class FormDescriptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::RegisterStandardControls();
        grid::RegisterDropDownClasses();
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
    }
    void TearDown() override { App.reset(); }

    // Reads a description into a form of its own and gives the message of the read error it
    // raises. A description read without error fails the test, naming it, and gives "".
    std::string ReadErrorMessage(const std::string& text, const std::string& fileName)
    {
        auto* form = new ui::TForm(App.get());
        std::string message;
        try {
            ui::ReadComponentResText(text, fileName, form);
            ADD_FAILURE() << "no error for " << text;
        } catch (const rtl::EReadError& e) {
            message = e.Message();
        }
        delete form;
        return message;
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
};

}  // namespace dropdowntest
