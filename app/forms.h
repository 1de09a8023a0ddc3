// Every screen exists once for the whole run, created hidden at start-up in a
// fixed order: the menu window first (it brings the data module and the login
// screen with it), then the rest.
#pragma once

void createAllForms();
void destroyAllForms();
