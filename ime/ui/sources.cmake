# Sources of ime/ui.
