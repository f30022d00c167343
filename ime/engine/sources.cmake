# Sources of ime/engine.
